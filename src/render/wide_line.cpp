#include "render/wide_line.h"

#include <QPaintEngine>

#include <algorithm>

TWideLines::TWideLines(QPainter& painter, int width, int height, int penWidth, QPainterPath* path)
    : FPainter(painter)
    , FDropRepeats(path == nullptr && painter.paintEngine() != nullptr
          && painter.paintEngine()->type() == QPaintEngine::Raster)
    , FPath(path)
{
    const double margin = 4.0 + std::max(penWidth, 0);
    FLeft = -margin;
    FTop = -margin;
    FRight = width + margin;
    FBottom = height + margin;
}

void TWideLines::Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    // Liang-Barsky against the grown picture.
    const double ax = static_cast<double>(x1);
    const double ay = static_cast<double>(y1);
    const double dx = static_cast<double>(x2 - x1);
    const double dy = static_cast<double>(y2 - y1);
    double t0 = 0;
    double t1 = 1;
    const auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!clip(-dx, ax - FLeft) || !clip(dx, FRight - ax) || !clip(-dy, ay - FTop)
        || !clip(dy, FBottom - ay))
        return;
    const QPointF from(ax + t0 * dx, ay + t0 * dy);
    const QPointF to(ax + t1 * dx, ay + t1 * dy);
    if (FPath != nullptr) {
        FPath->moveTo(from);
        FPath->lineTo(to);
    } else if (t0 == 0 && t1 == 1)
        FPainter.drawLine(QPoint(static_cast<int>(x1), static_cast<int>(y1)),
            QPoint(static_cast<int>(x2), static_cast<int>(y2)));
    else
        FPainter.drawLine(from, to);
}

void TWideLines::flush()
{
    if (FRun.size() >= 2 && FPath != nullptr)
        FPath->addPolygon(QPolygonF(FRun));
    else if (FRun.size() >= 2)
        FPainter.drawPolyline(FRun);
    FRun.clear();
}
