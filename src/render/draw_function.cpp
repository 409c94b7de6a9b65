#include "render/draw_function.h"

#include "render/raster.h"
#include "render/wide_line.h"

#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr TColor AxisColor = 255; // the red half-axes
constexpr int AxisPenWidth = 2;

QPen solidPen(TColor color, int width)
{
    QPen pen(ColorToQColor(color));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Stride of the projection at this scale: every stride-th point is drawn.
int strideOf(long double scale)
{
    const long double rounded = std::nearbyint(scale);
    if (!(rounded >= 1))
        return 1;
    return rounded > 1e9L ? 1000000000 : static_cast<int>(rounded);
}
}

TDrawFunction::TDrawFunction()
    : FPerspectiveMatrix(TTransformMatrix::Perspective())
{
    FObjects.SetMatrix(&FMatrix);
    FPlanes.SetMatrix(FMatrix);
}

void TDrawFunction::SetSize(int width, int height)
{
    if (width == FImage.width() && height == FImage.height())
        return;
    FImage = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    FImage.fill(ColorToQColor(FBrushColor));
}

void TDrawFunction::MoveOrigin(int dx, int dy)
{
    FX0 -= dx;
    FY0 -= dy;
}

void TDrawFunction::SetAngles(long double ax, long double ay)
{
    FXAxisAngle = ax;
    FYAxisAngle = ay;
}

void TDrawFunction::RotateBy(long double dx, long double dy)
{
    FXAxisAngle += dx;
    FYAxisAngle += dy;
}

void TDrawFunction::BuildMatrix()
{
    FMatrix.Identity();
    FMatrix.SetScale(FScale);
    FMatrix.RotateX(FXAxisAngle);
    FMatrix.RotateY(FYAxisAngle);
    if (FPerspective)
        FMatrix.Multiply(FPerspectiveMatrix);
}

void TDrawFunction::Render(bool recompute)
{
    if (recompute)
        BuildMatrix();
    if (FImage.isNull()) {
        // Nothing to draw into, but the projections still follow the matrix.
        if (recompute) {
            for (int i = 1; i <= 3; ++i)
                if (FPlanes.Items(i).Visible())
                    FPlanes.Items(i).Grid().Project(FMatrix);
            for (int i = 0; i < FObjects.Count(); ++i) {
                const TCurveRecord curve = FObjects.Items(i);
                if (curve.Visible && curve.Points != nullptr)
                    curve.Points->Project(FMatrix);
            }
        }
        return;
    }
    // The raster first: it detaches the picture from any copy an owner holds,
    // after which the painter and the raster write the same pixels.
    TRaster raster(FImage);
    QPainter painter(&FImage);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawBackground(raster, painter);
    DrawPlanes(recompute, raster, painter);
    DrawCurves(recompute, raster, painter);
}

void TDrawFunction::DrawBackground(TRaster& raster, QPainter& painter)
{
    raster.FillRect(0, 0, FImage.width(), FImage.height(), ColorToRgb32(FBrushColor));
    if (FLAxisesVisible)
        DrawLittleAxes(raster, painter);
}

void TDrawFunction::DrawLittleAxes(TRaster& raster, QPainter& painter)
{
    const auto& m = FMatrix.M();
    const int baseX = 25;
    const int baseY = FImage.height() - 25;
    const QRgb pixel = ColorToRgb32(FLAxisesColor);
    painter.setPen(ColorToQColor(FLAxisesColor));
    painter.setFont(QGuiApplication::font());
    static const char* const labels[] = { "x", "y", "z" };
    for (int i = 0; i < 3; ++i) {
        // The image of the unit vector along the axis, with 1 in place of the scale.
        const long double d = (m[i][3] + 1) / 20;
        const long double ex = std::nearbyint((m[i][0] + m[3][0]) / d);
        const long double ey = std::nearbyint((m[i][1] + m[3][1]) / d);
        FLAxisPoints[i] = QPoint(baseX + static_cast<int>(ex), baseY - static_cast<int>(ey));
        const QPoint end = FLAxisPoints[i];
        raster.DrawLine(baseX, baseY, end.x(), end.y(), pixel);
        painter.drawText(QRect(end.x() - 4, end.y() - 6, 64, 64), Qt::AlignLeft | Qt::AlignTop,
            QString::fromLatin1(labels[i]));
    }
}

void TDrawFunction::DrawPlanes(bool recompute, TRaster& raster, QPainter& painter)
{
    const std::int64_t x0 = FX0;
    const std::int64_t y0 = FY0;
    for (int index = 1; index <= 3; ++index) {
        TPlane& plane = FPlanes.Items(index);
        if (!plane.Visible())
            continue;
        if (recompute)
            plane.Grid().Project(FMatrix);
        const TScreenPoint* grid = plane.Grid().ScreenPointData();
        if (plane.Thickness() <= 1) {
            const QRgb pixel = ColorToRgb32(plane.Color());
            for (int k = 0; k < 18; ++k)
                raster.DrawSceneLine(grid[2 * k], grid[2 * k + 1], FX0, FY0, pixel);
        } else {
            painter.setPen(solidPen(plane.Color(), plane.Thickness()));
            TWideLines lines(painter, FImage.width(), FImage.height(), plane.Thickness());
            for (int k = 0; k < 18; ++k)
                lines.Line(x0 + grid[2 * k].X, y0 - grid[2 * k].Y, x0 + grid[2 * k + 1].X,
                    y0 - grid[2 * k + 1].Y);
        }
        painter.setPen(solidPen(AxisColor, AxisPenWidth));
        TWideLines axes(painter, FImage.width(), FImage.height(), AxisPenWidth);
        for (int end : { TPlanes::FirstAxisEnd, TPlanes::SecondAxisEnd })
            axes.Line(x0, y0, x0 + grid[end].X, y0 - grid[end].Y);
    }
}

void TDrawFunction::DrawCurves(bool recompute, TRaster& raster, QPainter& painter)
{
    const int stride = strideOf(FScale);
    const std::int64_t x0 = FX0;
    const std::int64_t y0 = FY0;
    for (int i = 0; i < FObjects.Count(); ++i) {
        const TCurveRecord curve = FObjects.Items(i);
        if (!curve.Visible || curve.Points == nullptr || curve.Points->Count() == 0)
            continue;
        if (recompute)
            curve.Points->Project(FMatrix);
        // Screen points 0..n; never past those the last projection filled.
        const int n
            = std::min((curve.Points->Count() - 1) / stride, curve.Points->ProjectedCount() - 1);
        if (n < 1)
            continue;
        const TScreenPoint* points = curve.Points->ScreenPointData();
        if (curve.Style == csLine) {
            if (curve.Thickness <= 1) {
                raster.DrawPolyline(points, n + 1, FX0, FY0, ColorToRgb32(curve.Color));
            } else {
                painter.setPen(solidPen(curve.Color, curve.Thickness));
                TWideLines lines(painter, FImage.width(), FImage.height(), curve.Thickness);
                lines.Polyline(points, n + 1, x0, y0);
            }
        } else if (curve.Style == csPoints) {
            raster.DrawSquares(points + 1, n, FX0, FY0, ColorToRgb32(curve.Color));
        }
    }
}
