// The trace marker following the pointer over the largest curves: the sphere at step
// 0.01 (198,135 points) and a helix at the cap (10,000,000 points), both in the
// perspective preset view of a 1000 x 700 picture. A move costs one look through the
// tracer's index of cells (built once per view: the first move after the view
// changed); the peer is the plain scan of every screen point a tracer without an index
// makes on every move.
#include "curves/curve_tracer.h"
#include "curves/object_list.h"
#include "geometry/camera.h"
#include "geometry/goruntu_matrisi.h"
#include "ratio_reporter.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {
constexpr int Width = 1000;
constexpr int Height = 700;

struct TScene {
    TCamera Camera;
    TObjectList List;
    int Curve = 0;

    TScene(int type, const char* fx, const char* fy, const char* fz, long double step)
    {
        Camera.SetAngles(15, 30);
        Camera.SetScale(0.02L);
        Camera.SetX0(Width / 2);
        Camera.SetY0(Height / 2);
        Camera.BuildMatrix();
        List.SetMatrix(&Camera.Matrix());
        Curve = List.Append(type, fx, fy, fz, 255, 0, 1, step, true);
    }

    TTraceView View(bool projected) const
    {
        return { Camera.Matrix(), Camera.X0(), Camera.Y0(), Width, Height, projected };
    }
};

TScene& sphere()
{
    static TScene scene(ctSpherical, "sin(a)*cos(b)*8", "sin(a)*sin(b)*8", "cos(a)*8", 0.01L);
    return scene;
}

TScene& helix()
{
    // The smallest step whose walk over -10..10 stays within the cap.
    static TScene scene(ctCylindrical, "8*cos(t)", "8*sin(t)", "t/2", 20.0L / 9'999'999);
    return scene;
}

TScene& sceneOf(const benchmark::State& state) { return state.range(0) == 0 ? sphere() : helix(); }

// Pixels the pointer visits, the same for every run.
std::vector<std::pair<int, int>> pointerPath()
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> x(0, Width - 1), y(0, Height - 1);
    std::vector<std::pair<int, int>> path(256);
    for (auto& p : path)
        p = { x(random), y(random) };
    return path;
}

void BM_TraceMove(benchmark::State& state)
{
    TScene& scene = sceneOf(state);
    TCurveTracer tracer(scene.List);
    tracer.PlaceAtPoint(scene.Curve, 0);
    const TTraceView view = scene.View(true);
    const auto path = pointerPath();
    tracer.MoveToPixel(view, 0, 0);
    std::size_t k = 0;
    for (auto _ : state) {
        const auto [x, y] = path[k++ % path.size()];
        benchmark::DoNotOptimize(tracer.MoveToPixel(view, x, y));
    }
}

// The peer: the nearest of every screen point, on every move.
void BM_ScanMove(benchmark::State& state)
{
    TScene& scene = sceneOf(state);
    const TGoruntuMatrisi& points = *scene.List.Items(scene.Curve).Points;
    const TScreenPoint* screen = points.ScreenPointData();
    const int count = points.ProjectedCount();
    const auto path = pointerPath();
    std::size_t k = 0;
    for (auto _ : state) {
        const auto [x, y] = path[k++ % path.size()];
        const std::int64_t qx = x - scene.Camera.X0(), qy = scene.Camera.Y0() - y;
        std::int64_t best = INT64_MAX;
        int nearest = -1;
        for (int i = 0; i < count; ++i) {
            const std::int64_t dx = screen[i].X - qx, dy = screen[i].Y - qy;
            const std::int64_t d = dx * dx + dy * dy;
            if (d < best)
                best = d, nearest = i;
        }
        benchmark::DoNotOptimize(nearest);
    }
}

// The first move after the view changed: the index is built anew, from the points'
// own screen slots (the view drawn last) or from a projection of its own (a fixed view
// of four-view).
void BM_TraceFirstMove(benchmark::State& state)
{
    TScene& scene = sceneOf(state);
    const bool projected = state.range(1) != 0;
    int turn = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TCurveTracer tracer(scene.List);
        tracer.PlaceAtPoint(scene.Curve, 0);
        TTraceView view = scene.View(projected);
        // A different origin each time, so that no index is reused.
        view.X0 += ++turn % 2;
        state.ResumeTiming();
        benchmark::DoNotOptimize(tracer.MoveToPixel(view, Width / 3, Height / 3));
    }
}
}

BENCHMARK(BM_TraceMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScanMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TraceFirstMove)
    ->Args({ 0, 1 })
    ->Args({ 1, 1 })
    ->Args({ 1, 0 })
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    std::printf("sphere %d points, helix %d points\n", sphere().List.Items(0).Points->Count(),
        helix().List.Items(0).Points->Count());
    return RunWithRatios(argc, argv,
        { { "BM_TraceMove/0", "BM_ScanMove/0" }, { "BM_TraceMove/1", "BM_ScanMove/1" } });
}
