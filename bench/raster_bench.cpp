// The rasterizer against QPainter on the scene of a unit sphere sampled at step 0.01: the
// 198,135 points of one curve as a polyline of pen width 1 and as 3 x 3 point squares, in an
// 800 x 600 image with the origin at its centre, as the renderer draws them every frame.

#include "render/color.h"
#include "render/raster.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace {

struct ScenePoint {
    std::int32_t X;
    std::int32_t Y;
};

constexpr int Width = 800;
constexpr int Height = 600;
constexpr std::int32_t X0 = Width / 2;
constexpr std::int32_t Y0 = Height / 2;
constexpr TColor CurveColor = 255;

// fx = sin a cos b, fy = sin a sin b, fz = cos a; rotated by 15 degrees about x, then 30 about y
// (row vectors), seen at scale 0.05 in perspective: w = 0.05 - z' sqrt(3) / 660.
std::vector<ScenePoint> spherePoints()
{
    const long double pi = std::numbers::pi_v<long double>;
    const long double ax = 15 * pi / 180, ay = 30 * pi / 180;
    const long double cx = std::cos(ax), sx = std::sin(ax), cy = std::cos(ay), sy = std::sin(ay);
    const long double depth = std::sqrt(3.0L) / 660;
    std::vector<ScenePoint> points;
    for (long double a = 0; a < pi; a += 0.01L)
        for (long double b = 0; b < 2 * pi; b += 0.01L) {
            const long double x = std::sin(a) * std::cos(b), y = std::sin(a) * std::sin(b),
                              z = std::cos(a);
            const long double y1 = y * cx - z * sx, z1 = y * sx + z * cx;
            const long double x2 = x * cy - z1 * sy, z2 = x * sy + z1 * cy;
            const long double w = 0.05L - z2 * depth;
            points.push_back(
                { std::int32_t(std::nearbyint(x2 / w)), std::int32_t(std::nearbyint(y1 / w)) });
        }
    return points;
}

const std::vector<ScenePoint>& scene()
{
    static const std::vector<ScenePoint> points = spherePoints();
    return points;
}

const std::vector<QPoint>& imagePoints()
{
    static const std::vector<QPoint> points = [] {
        std::vector<QPoint> result;
        for (const ScenePoint& p : scene())
            result.push_back(QPoint(X0 + p.X, Y0 - p.Y));
        return result;
    }();
    return points;
}

QImage blankImage()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

void BM_RasterPolyline(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<ScenePoint>& points = scene();
    for (auto _ : state) {
        TRaster raster(image);
        raster.DrawPolyline(points.data(), int(points.size()), X0, Y0, ColorToRgb32(CurveColor));
        benchmark::ClobberMemory();
    }
}

void BM_QPainterPolyline(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<QPoint>& points = imagePoints();
    QPainter painter(&image);
    painter.setPen(QPen(ColorToQColor(CurveColor), 1));
    for (auto _ : state) {
        painter.drawPolyline(points.data(), int(points.size()));
        benchmark::ClobberMemory();
    }
}

void BM_RasterSmoothPolyline(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<ScenePoint>& points = scene();
    for (auto _ : state) {
        TRaster raster(image);
        raster.DrawSmoothPolyline(
            points.data(), int(points.size()), X0, Y0, ColorToRgb32(CurveColor));
        benchmark::ClobberMemory();
    }
}

void BM_QPainterSmoothPolyline(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<QPoint>& points = imagePoints();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ColorToQColor(CurveColor), 1));
    for (auto _ : state) {
        painter.drawPolyline(points.data(), int(points.size()));
        benchmark::ClobberMemory();
    }
}

void BM_RasterSquares(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<ScenePoint>& points = scene();
    for (auto _ : state) {
        TRaster raster(image);
        raster.DrawSquares(points.data(), int(points.size()), X0, Y0, ColorToRgb32(CurveColor));
        benchmark::ClobberMemory();
    }
}

void BM_QPainterSquares(benchmark::State& state)
{
    QImage image = blankImage();
    const std::vector<QPoint>& points = imagePoints();
    const QColor color = ColorToQColor(CurveColor);
    QPainter painter(&image);
    for (auto _ : state) {
        for (const QPoint& p : points)
            painter.fillRect(QRect(p.x() - 1, p.y() - 1, 3, 3), color);
        benchmark::ClobberMemory();
    }
}

void BM_RasterBackground(benchmark::State& state)
{
    QImage image = blankImage();
    for (auto _ : state) {
        TRaster(image).FillRect(0, 0, Width, Height, 0xFFF0F0F0u);
        benchmark::ClobberMemory();
    }
}

void BM_QPainterBackground(benchmark::State& state)
{
    QImage image = blankImage();
    QPainter painter(&image);
    for (auto _ : state) {
        painter.fillRect(image.rect(), QColor(0xF0, 0xF0, 0xF0));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_RasterPolyline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterPolyline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterSquares)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterSquares)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterSmoothPolyline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterSmoothPolyline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RasterBackground)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterBackground)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of each benchmark for the table of ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Milliseconds;

    RatioReporter()
        : ConsoleReporter(OO_None)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                Milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime() * 1000
                    / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
};

// How far the two polylines differ: the pixels each sets and those only one of them sets.
void comparePictures()
{
    QImage ours = blankImage(), theirs = blankImage();
    TRaster(ours).DrawPolyline(scene().data(), int(scene().size()), X0, Y0, 0xFF000000u);
    QPainter painter(&theirs);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawPolyline(imagePoints().data(), int(imagePoints().size()));
    painter.end();
    long setOurs = 0, setTheirs = 0, onlyOne = 0;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const bool a = ours.pixel(x, y) != 0xFFFFFFFFu, b = theirs.pixel(x, y) != 0xFFFFFFFFu;
            setOurs += a, setTheirs += b, onlyOne += a != b;
        }
    std::printf("\n%zu points; polyline pixels: raster %ld, QPainter %ld, set by only one %ld\n",
        scene().size(), setOurs, setTheirs, onlyOne);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    comparePictures();

    std::printf("\n%-12s %14s %14s %8s\n", "per frame", "raster ms", "QPainter ms", "ratio");
    for (const char* subject : { "Polyline", "SmoothPolyline", "Squares", "Background" }) {
        const auto ours = reporter.Milliseconds.find(std::string("BM_Raster") + subject);
        const auto theirs = reporter.Milliseconds.find(std::string("BM_QPainter") + subject);
        if (ours != reporter.Milliseconds.end() && theirs != reporter.Milliseconds.end())
            std::printf("%-12s %14.3f %14.3f %7.3fx\n", subject, ours->second, theirs->second,
                ours->second / theirs->second);
    }
    benchmark::Shutdown();
    return 0;
}
