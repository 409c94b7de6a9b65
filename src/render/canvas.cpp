#include "render/canvas.h"

#include "render/wide_line.h"

#include <QGuiApplication>
#include <QImage>

namespace {
QPen solidPen(TColor color, int width)
{
    QPen pen(ColorToQColor(color));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}
}

TPainterCanvas::TPainterCanvas(QPainter& painter, int width, int height, bool smooth)
    : FPainter(painter)
    , FWidth(width)
    , FHeight(height)
{
    FPainter.setRenderHint(QPainter::Antialiasing, smooth);
}

void TPainterCanvas::Fill(TColor color)
{
    FPainter.fillRect(QRect(0, 0, FWidth, FHeight), ColorToQColor(color));
}

void TPainterCanvas::Line(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color, int width)
{
    FPainter.setPen(solidPen(color, std::max(width, 1)));
    TWideLines(FPainter, FWidth, FHeight, std::max(width, 1)).Line(x1, y1, x2, y2);
}

void TPainterCanvas::Polyline(const TScreenPoint* points, int count, std::int32_t x0,
    std::int32_t y0, TColor color, int width)
{
    if (FInCurve) {
        FCurvePen = solidPen(color, std::max(width, 1));
        FCurveFilled = false;
        TWideLines(FPainter, FWidth, FHeight, std::max(width, 1), &FCurve)
            .Polyline(points, count, x0, y0);
        return;
    }
    FPainter.setPen(solidPen(color, std::max(width, 1)));
    TWideLines(FPainter, FWidth, FHeight, std::max(width, 1)).Polyline(points, count, x0, y0);
}

void TPainterCanvas::Squares(
    const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0, TColor color)
{
    const QColor fill = ColorToQColor(color);
    for (int i = 0; i < count; ++i) {
        const std::int64_t left = std::int64_t(x0) + points[i].X - 1;
        const std::int64_t top = std::int64_t(y0) - points[i].Y - 1;
        // Squares off the device are left out before they reach the painter's int coordinates.
        if (left <= -3 || left >= FWidth || top <= -3 || top >= FHeight)
            continue;
        if (FInCurve)
            FCurve.addRect(QRectF(double(left), double(top), 3, 3));
        else
            FPainter.fillRect(QRect(int(left), int(top), 3, 3), fill);
    }
    if (FInCurve) {
        FCurveFill = fill;
        FCurveFilled = true;
    }
}

void TPainterCanvas::BeginCurve()
{
    FInCurve = true;
    FCurve = QPainterPath();
    // Squares that overlap fill their union.
    FCurve.setFillRule(Qt::WindingFill);
}

void TPainterCanvas::EndCurve()
{
    FInCurve = false;
    if (FCurve.isEmpty())
        return;
    if (FCurveFilled)
        FPainter.fillPath(FCurve, FCurveFill);
    else
        FPainter.strokePath(FCurve, FCurvePen);
    FCurve = QPainterPath();
}

void TPainterCanvas::Text(int left, int top, const QString& text, TColor color)
{
    FPainter.setPen(ColorToQColor(color));
    FPainter.setFont(QGuiApplication::font());
    // Wide enough for a legend line; a label of one letter sits as in any box.
    FPainter.drawText(
        QRect(left, top, std::max(64, FWidth - left), 64), Qt::AlignLeft | Qt::AlignTop, text);
}

TRasterCanvas::TRasterCanvas(QImage& image, bool smooth)
    : FRaster(image)
    , FSmooth(smooth)
    , FPainter(&image)
    , FWide(FPainter, image.width(), image.height(), smooth)
{
}

void TRasterCanvas::Fill(TColor color)
{
    FRaster.FillRect(0, 0, FRaster.Width(), FRaster.Height(), ColorToRgb32(color));
}

void TRasterCanvas::Line(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color, int width)
{
    if (width <= 1 && FSmooth)
        FRaster.DrawSmoothLine(x1, y1, x2, y2, ColorToRgb32(color));
    else if (width <= 1)
        FRaster.DrawLine(x1, y1, x2, y2, ColorToRgb32(color));
    else
        FWide.Line(x1, y1, x2, y2, color, width);
}

void TRasterCanvas::Polyline(const TScreenPoint* points, int count, std::int32_t x0,
    std::int32_t y0, TColor color, int width)
{
    if (width <= 1 && FSmooth)
        FRaster.DrawSmoothPolyline(points, count, x0, y0, ColorToRgb32(color));
    else if (width <= 1)
        FRaster.DrawPolyline(points, count, x0, y0, ColorToRgb32(color));
    else
        FWide.Polyline(points, count, x0, y0, color, width);
}

void TRasterCanvas::Squares(
    const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0, TColor color)
{
    FRaster.DrawSquares(points, count, x0, y0, ColorToRgb32(color));
}

void TRasterCanvas::Text(int left, int top, const QString& text, TColor color)
{
    FWide.Text(left, top, text, color);
}
