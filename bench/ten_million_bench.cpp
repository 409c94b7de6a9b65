// A helix at the smallest step the curve cap allows (ten million points): how long a
// new curve takes to generate, project and draw into an 800 x 600 picture, how long it
// takes again in place (as a slider regenerates it), and what the process holds
// resident for it. Run alone: the resident figures are the whole process's.
#include "ratio_reporter.h"
#include "render/draw_function.h"

#include <QGuiApplication>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {
constexpr int Width = 800;
constexpr int Height = 600;

// Resident bytes now, and the most the process has held.
double residentNow()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

double residentPeak()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024;
}

// The smallest step of a thousandth of a millionth that keeps within the cap.
long double smallestStep()
{
    long double step = 0.000002L;
    while (TObjectList::SampleCount(ctCylindrical, step) > TObjectList::MaxCurvePoints)
        step += 0.000000001L;
    return step;
}

void setUp(TDrawFunction& r)
{
    r.SetSize(Width, Height);
    r.SetX0(Width / 2);
    r.SetY0(Height / 2);
    r.SetAngles(15, 30);
}

void report(benchmark::State& state, const TDrawFunction& r, double before)
{
    const int count = r.Objects().Items(0).Points->Count();
    state.counters["points"] = count;
    state.counters["resident_MB"] = residentNow() / 1e6;
    state.counters["peak_MB"] = residentPeak() / 1e6;
    state.counters["bytes_per_point"] = (residentNow() - before) / count;
}

// A new curve: generated, projected and drawn, with a line one pixel wide (the
// argument 1) or two, as the explorer gives a new curve (2).
void BM_NewHelix(benchmark::State& state)
{
    const long double step = smallestStep();
    for (auto _ : state) {
        TDrawFunction r;
        setUp(r);
        r.Render(true);
        const double before = residentNow();
        r.Objects().Append(ctCylindrical, "cos(t)", "sin(t)", "t/5", 255, 0,
            static_cast<std::int32_t>(state.range(0)), step, true);
        r.Render(true);
        benchmark::DoNotOptimize(r.Image().constBits());
        state.PauseTiming();
        report(state, r, before);
        state.ResumeTiming();
    }
}

// The same curve generated again in place, projected and drawn, as a slider does.
void BM_HelixAgain(benchmark::State& state)
{
    TDrawFunction r;
    setUp(r);
    r.Render(true);
    const double before = residentNow();
    r.Objects().Append(ctCylindrical, "cos(t)", "sin(t)", "t/5", 255, 0, 1, smallestStep(), true);
    for (auto _ : state) {
        r.Objects().GeneratePoints(0);
        r.Render(true);
        benchmark::DoNotOptimize(r.Image().constBits());
    }
    report(state, r, before);
}

// A preview of the window's curve (240 x 165, as the explorer's) following a parameter
// the window has just moved: sampled again (argument 0), or taken from the window's
// points (1). Each iteration times the preview alone.
void BM_PreviewFollowsHelix(benchmark::State& state)
{
    TDrawFunction window;
    setUp(window);
    const long double step = smallestStep();
    window.Objects().Append(ctCylindrical, "cos(t)", "sin(t)", "k*t/5", 255, 0, 1, step, true);
    TDrawFunction preview;
    preview.SetSize(240, 165);
    preview.SetX0(120);
    preview.SetY0(82);
    preview.SetZoom(50);
    preview.Objects().Append(ctCylindrical, "cos(t)", "sin(t)", "k*t/5", 255, 0, 2, step, true);
    if (state.range(0) == 1)
        preview.Objects().SetSource(&window.Objects());
    const double before = residentNow();
    long double k = 1;
    for (auto _ : state) {
        state.PauseTiming();
        k = k == 1 ? 2 : 1;
        window.Objects().SetParameterValue("k", k);
        state.ResumeTiming();
        preview.Objects().ApplyParameters(window.Objects().Parameters().Items());
        preview.Render(true);
        benchmark::DoNotOptimize(preview.Image().constBits());
    }
    report(state, preview, before);
}
}

BENCHMARK(BM_PreviewFollowsHelix)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_NewHelix)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_HelixAgain)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    return RunWithRatios(
        argc, argv, { { "BM_PreviewFollowsHelix/1/iterations:3/real_time", "BM_PreviewFollowsHelix/0/iterations:3/real_time" } });
}
