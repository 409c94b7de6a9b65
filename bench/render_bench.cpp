// Render(true) of the unit sphere (type 4, step 0.01: about 198,000 points) into
// an 800 x 600 picture, in the line and the point style, beside the bare
// platform path: projecting the same points and one QPainter::drawPolyline of
// them (point style: one QPainter::fillRect per point). The smooth line style runs beside the
// aliased frame and QPainter's anti-aliased drawPolyline of the same points. The surface
// styles (mesh with hidden lines, and shaded) run beside the line frame, and an SVG of
// the mesh beside gnuplot's hidden3d SVG of the same grid (in wall time: gnuplot runs as
// a process of its own; skipped where gnuplot is not installed). The parts of the
// "Yüzey" frame run alone as well, to tell where its time goes (surface_part/...).

#include "ratio_reporter.h"
#include "render/canvas.h"
#include "render/draw_function.h"
#include "render/surfaces.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QSvgGenerator>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
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

void velmoSvg(benchmark::State& state)
{
    TDrawFunction r;
    sphere(r, csSurface);
    r.Render(true);
    for (auto _ : state) {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(Width, Height));
        svg.setViewBox(QRect(0, 0, Width, Height));
        r.Paint(svg);
        benchmark::DoNotOptimize(file.data().size());
    }
}

// The same grid of samples as the sphere, rows of a, written for gnuplot's splot; the
// view turned as the perspective preset turns it.
void gnuplotSvg(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string data = dir.filePath("sphere.dat").toStdString();
    const std::string out = dir.filePath("sphere.svg").toStdString();
    {
        std::ofstream f(data);
        for (long double a = 0; a < 3.1415926535897932385L; a += 0.01L) {
            for (long double b = 0; b < 2 * 3.1415926535897932385L; b += 0.01L)
                f << double(std::sin(a) * std::cos(b)) << ' ' << double(std::sin(a) * std::sin(b))
                  << ' ' << double(std::cos(a)) << '\n';
            f << '\n';
        }
    }
    const std::string command = "gnuplot -e \"set terminal svg size 800,600; set output '" + out
        + "'; set hidden3d; set view 75,30; unset key; splot '" + data
        + "' with lines\" 2>/dev/null";
    if (std::system("command -v gnuplot >/dev/null 2>&1") != 0) {
        state.SkipWithError("gnuplot is not installed");
        return;
    }
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("gnuplot failed");
}

// The parts of the "Yüzey" frame, each alone on the view turned as the frame turns it:
// gathering the surfaces (the depth projection), building the depth buffer from the same
// depth points, that and the mesh lines tested against it, and the curve's own screen
// points (which the frame projects beside the depth points); the mesh lines alone,
// drawn again and again into the picture filled afresh, against one depth buffer; and the
// gathering with the curve's screen points as the frame takes them now (from the depth
// pass) beside the way it took them before (a projection of their own on the helper
// threads at the same time).
enum class TPart { Gather, Build, BuildAndMesh, ScreenPoints, Mesh, GatherGiving, GatherBeside };
void surfacePart(benchmark::State& state, TPart part)
{
    TDrawFunction r;
    sphere(r, csSurface);
    r.Render(true);
    TSurfaceSet set;
    CollectSurfaces(r.Objects(), r.Camera(), set);
    QImage image(Width, Height, QImage::Format_RGB32);
    TDepthBuffer depth;
    if (part == TPart::Mesh) {
        r.RotateBy(1, 1);
        r.Camera().BuildMatrix();
        CollectSurfaces(r.Objects(), r.Camera(), set);
        TRasterCanvas canvas(image, false, &depth);
        canvas.BeginSurfaces(set);
        for (auto _ : state) {
            image.fill(Qt::white);
            canvas.TestedMesh(set.Meshes[0], set.X0, set.Y0, 0xFF, 1);
            benchmark::DoNotOptimize(image.constBits());
        }
        canvas.EndSurfaces();
        return;
    }
    for (auto _ : state) {
        r.RotateBy(1, 1);
        r.Camera().BuildMatrix();
        switch (part) {
        case TPart::Gather:
            CollectSurfaces(r.Objects(), r.Camera(), set);
            break;
        case TPart::Build:
        case TPart::BuildAndMesh: {
            TRasterCanvas canvas(image, false, &depth);
            canvas.BeginSurfaces(set);
            if (part == TPart::BuildAndMesh)
                canvas.TestedMesh(set.Meshes[0], set.X0, set.Y0, 0xFF, 1);
            canvas.EndSurfaces();
            break;
        }
        case TPart::Mesh:
            break;
        case TPart::ScreenPoints:
            r.Objects().Items(0).Points->StartProject(r.Camera().Matrix())->AwaitAll();
            break;
        case TPart::GatherGiving:
            CollectSurfaces(r.Objects(), r.Camera(), set, true);
            break;
        case TPart::GatherBeside: {
            const auto projection = r.Objects().Items(0).Points->StartProject(r.Camera().Matrix());
            CollectSurfaces(r.Objects(), r.Camera(), set);
            projection->AwaitAll();
            break;
        }
        }
        benchmark::DoNotOptimize(image.constBits());
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
    benchmark::RegisterBenchmark("velmo/surface", velmo, csSurface, false)->Unit(ms);
    benchmark::RegisterBenchmark("velmo/shaded", velmo, csShaded, false)->Unit(ms);
    benchmark::RegisterBenchmark("velmo/surface_svg", velmoSvg)->Unit(ms)->UseRealTime()->Iterations(3);
    benchmark::RegisterBenchmark("gnuplot/hidden3d_svg", gnuplotSvg)->Unit(ms)->UseRealTime()->Iterations(1);
    benchmark::RegisterBenchmark("surface_part/gather", surfacePart, TPart::Gather)->Unit(ms);
    benchmark::RegisterBenchmark("surface_part/build", surfacePart, TPart::Build)->Unit(ms);
    benchmark::RegisterBenchmark("surface_part/build_and_mesh", surfacePart, TPart::BuildAndMesh)
        ->Unit(ms);
    benchmark::RegisterBenchmark("surface_part/screen_points", surfacePart, TPart::ScreenPoints)
        ->Unit(ms);
    benchmark::RegisterBenchmark("surface_part/mesh", surfacePart, TPart::Mesh)->Unit(ms);
    benchmark::RegisterBenchmark(
        "surface_part/gather_giving_screen_points", surfacePart, TPart::GatherGiving)
        ->Unit(ms);
    benchmark::RegisterBenchmark(
        "surface_part/gather_beside_screen_points", surfacePart, TPart::GatherBeside)
        ->Unit(ms);
    return RunWithRatios(argc, argv,
        { { "velmo/line", "qpainter/line" }, { "velmo/points", "qpainter/points" },
            { "velmo/smooth_line", "qpainter/smooth_line" }, { "velmo/smooth_line", "velmo/line" },
            { "velmo/surface", "velmo/line" }, { "velmo/shaded", "velmo/line" },
            { "surface_part/gather_giving_screen_points",
                "surface_part/gather_beside_screen_points" } });
}
