#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cstdint>

// Lines of pen width 2 and more go through QPainter, which must not see
// coordinates far outside the picture: each segment is first cut to the picture
// grown by a margin, where QPainter's own arithmetic is safe.
class TWideLines {
public:
    // The painter's pen is set by the caller. With a path, the lines are added to it (each run
    // a subpath) for the caller to draw, instead of being drawn.
    TWideLines(
        QPainter& painter, int width, int height, int penWidth, QPainterPath* path = nullptr);

    // A line between picture pixels (64-bit: origin plus offset never overflows).
    void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

    // Lines through count scene points, a point (x, y) at the pixel (x0 + x, y0 - y):
    // runs that stay near the picture go to QPainter as one polyline, the rest
    // segment by segment, cut.
    template <class P> void Polyline(const P* points, int count, std::int64_t x0, std::int64_t y0);

private:
    bool near(std::int64_t x, std::int64_t y) const
    {
        return x >= FLeft && x <= FRight && y >= FTop && y <= FBottom;
    }
    void flush();

    QPolygon FRun;
    QPainter& FPainter;
    // On a raster picture a point repeating the one before adds nothing to a wide
    // line (the painter's stroke passes over segments of no length), so it is not
    // kept: a curve of millions of points then holds only its distinct pixels. Files
    // (SVG, PDF, a printer) keep every point.
    bool FDropRepeats;
    QPainterPath* FPath;
    double FLeft, FTop, FRight, FBottom;
};

template <class P>
void TWideLines::Polyline(const P* points, int count, std::int64_t x0, std::int64_t y0)
{
    if (count < 2)
        return;
    std::int64_t ax = x0 + points[0].X;
    std::int64_t ay = y0 - points[0].Y;
    bool aNear = near(ax, ay);
    FRun.clear();
    for (int i = 1; i < count; ++i) {
        const std::int64_t bx = x0 + points[i].X;
        const std::int64_t by = y0 - points[i].Y;
        const bool bNear = near(bx, by);
        if (aNear && bNear) {
            if (FRun.isEmpty())
                FRun << QPoint(static_cast<int>(ax), static_cast<int>(ay));
            const QPoint b(static_cast<int>(bx), static_cast<int>(by));
            if (!FDropRepeats || b != FRun.constLast())
                FRun << b;
        } else {
            flush();
            Line(ax, ay, bx, by);
        }
        ax = bx, ay = by, aNear = bNear;
    }
    flush();
}
