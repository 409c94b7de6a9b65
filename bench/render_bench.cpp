// Render(true) of the unit sphere (type 4, step 0.01: about 198,000 points) into
// an 800 x 600 picture, in the line and the point style, beside the bare
// platform path: projecting the same points and one QPainter::drawPolyline of
// them (point style: one QPainter::fillRect per point). The smooth line style runs beside the
// aliased frame and QPainter's anti-aliased drawPolyline of the same points.

#include "ratio_reporter.h"
#include "render/draw_function.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <vector>

namespace {
constexpr int Width = 800;
constexpr int Height = 600;

void sphere(TDrawFunction& r, std::uint8_t style)
{
    r.SetSize(Width, Height);
    r.SetX0(Width / 2);
    r.SetY0(Height / 2);
    r.SetAngles(15, 30);
    r.Objects().Append(
        ctSpherical, "sin(a)*cos(b)", "sin(a)*sin(b)", "cos(a)", 255, style, 1, 0.01L, true);
}

void velmo(benchmark::State& state, std::uint8_t style, bool smooth)
{
    TDrawFunction r;
    sphere(r, style);
    r.SetSmoothLines(smooth);
    r.Render(true);
    for (auto _ : state) {
        r.RotateBy(1, 1);
        r.Render(true);
        benchmark::DoNotOptimize(r.Image().constBits());
    }
}

// The same scene projected by the point list, drawn by QPainter alone.
void painter(benchmark::State& state, std::uint8_t style, bool smooth)
{
    TDrawFunction r;
    sphere(r, style);
    r.Render(true);
    TGoruntuMatrisi* points = r.Objects().Items(0).Points;
    QImage image(Width, Height, QImage::Format_RGB32);
    QPolygon polygon(points->Count());
    for (auto _ : state) {
        r.RotateBy(1, 1);
        r.BuildMatrix();
        points->Project(r.Matrix());
        const TScreenPoint* p = points->ScreenPointData();
        for (int i = 0; i < points->Count(); ++i)
            polygon[i] = QPoint(Width / 2 + p[i].X, Height / 2 - p[i].Y);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, smooth);
        painter.fillRect(image.rect(), Qt::white);
        if (style == csLine) {
            painter.setPen(QPen(Qt::red, 1));
            painter.drawPolyline(polygon);
        } else {
            for (const QPoint& q : polygon)
                painter.fillRect(q.x() - 1, q.y() - 1, 3, 3, Qt::red);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("velmo/line", velmo, csLine, false)->Unit(ms);
    benchmark::RegisterBenchmark("qpainter/line", painter, csLine, false)->Unit(ms);
    benchmark::RegisterBenchmark("velmo/points", velmo, csPoints, false)->Unit(ms);
    benchmark::RegisterBenchmark("qpainter/points", painter, csPoints, false)->Unit(ms);
    benchmark::RegisterBenchmark("velmo/smooth_line", velmo, csLine, true)->Unit(ms);
    benchmark::RegisterBenchmark("qpainter/smooth_line", painter, csLine, true)->Unit(ms);
    return RunWithRatios(argc, argv,
        { { "velmo/line", "qpainter/line" }, { "velmo/points", "qpainter/points" },
            { "velmo/smooth_line", "qpainter/smooth_line" }, { "velmo/smooth_line", "velmo/line" } });
}
