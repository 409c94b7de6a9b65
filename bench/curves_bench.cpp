// Generation of the type-4 sphere (fx = sin(a)*cos(b), fy = sin(a)*sin(b),
// fz = cos(a)) at step 0.01, about 198,000 points: Velmo's Append (compile,
// sample, store, project) beside the same sampling loop driven by muparser
// (double) and by native long double code. The peers store into the same point
// list and project it, so the differences are the cost of evaluation.
//
// A cheap curve regenerated again and again, as a slider does: y = x^2+1 and
// y = sin(x) at step 0.00001 (2,000,001 samples) generated once more into the
// curve's own list on one thread, beside a muparser loop and a native long double
// loop writing the same four numbers a point into a vector they keep.
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"
#include "geometry/goruntu_matrisi.h"
#include "ratio_reporter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <muParser.h>
#include <vector>

namespace {
constexpr long double Step = 0.01L;
const char* const FxText = "sin(a)*cos(b)";
const char* const FyText = "sin(a)*sin(b)";
const char* const FzText = "cos(a)";

TTransformMatrix presetMatrix()
{
    TTransformMatrix m;
    m.SetScale(0.05L);
    m.RotateX(15);
    m.RotateY(30);
    m.Multiply(TTransformMatrix::Perspective());
    return m;
}

const TTransformMatrix& matrix()
{
    static const TTransformMatrix m = presetMatrix();
    return m;
}

int velmoSphere(TObjectList& list)
{
    const int index = list.Append(ctSpherical, FxText, FyText, FzText, 255, 0, 1, Step, true);
    const int count = list.Items(index).Points->Count();
    list.Clear();
    return count;
}

int muparserSphere()
{
    double a = 0, b = 0;
    mu::Parser fx, fy, fz;
    for (mu::Parser* p : { &fx, &fy, &fz }) {
        p->DefineVar("a", &a);
        p->DefineVar("b", &b);
    }
    fx.SetExpr(FxText);
    fy.SetExpr(FyText);
    fz.SetExpr(FzText);
    TGoruntuMatrisi points;
    const double step = static_cast<double>(Step), pi = static_cast<double>(Pi);
    for (a = 0; a < pi; a += step)
        for (b = 0; b < 2 * pi; b += step) {
            const double x = fx.Eval();
            const double y = fy.Eval();
            const double z = fz.Eval();
            points.Add({ x, y, z, 1 });
        }
    points.Project(matrix());
    return points.Count();
}

int nativeSphere()
{
    TGoruntuMatrisi points;
    for (long double a = 0; a < Pi; a += Step)
        for (long double b = 0; b < 2 * Pi; b += Step)
            points.Add({ std::sin(a) * std::cos(b), std::sin(a) * std::sin(b), std::cos(a), 1 });
    points.Project(matrix());
    return points.Count();
}

// The evaluations alone, without storing or projecting: where the time goes.
long double velmoFormulasOnly()
{
    TVariableMemory memory;
    TFonksiyon fx, fy, fz;
    for (TFonksiyon* f : { &fx, &fy, &fz }) {
        f->SetMemory(&memory);
        f->SetText(f == &fx ? FxText : (f == &fy ? FyText : FzText));
    }
    for (TFonksiyon* f : { &fx, &fy, &fz })
        f->RegisterVariables();
    long double* const a = memory.ValueSlot("a");
    long double* const b = memory.ValueSlot("b");
    long double sum = 0;
    for (*a = 0; *a < Pi; *a += Step)
        for (*b = 0; *b < 2 * Pi; *b += Step)
            sum += fx.Evaluate() + fy.Evaluate() + fz.Evaluate();
    return sum;
}

double muparserFormulasOnly()
{
    double a = 0, b = 0;
    mu::Parser fx, fy, fz;
    for (mu::Parser* p : { &fx, &fy, &fz }) {
        p->DefineVar("a", &a);
        p->DefineVar("b", &b);
    }
    fx.SetExpr(FxText);
    fy.SetExpr(FyText);
    fz.SetExpr(FzText);
    const double step = static_cast<double>(Step), pi = static_cast<double>(Pi);
    double sum = 0;
    for (a = 0; a < pi; a += step)
        for (b = 0; b < 2 * pi; b += step)
            sum += fx.Eval() + fy.Eval() + fz.Eval();
    return sum;
}

void BM_VelmoFormulasOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(velmoFormulasOnly());
}

void BM_MuparserFormulasOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(muparserFormulasOnly());
}

// On one thread; BM_VelmoSphereAllCores samples on every core (compare its wall
// time, the Time column, with the peer's).
void BM_VelmoSphere(benchmark::State& state)
{
    TObjectList list;
    list.SetMatrix(&matrix());
    list.SetThreads(static_cast<int>(state.range(0)));
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = velmoSphere(list));
    state.counters["points"] = count;
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_MuparserSphere(benchmark::State& state)
{
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = muparserSphere());
    state.counters["points"] = count;
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_NativeLongDoubleSphere(benchmark::State& state)
{
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(count = nativeSphere());
    state.counters["points"] = count;
    state.SetItemsProcessed(state.iterations() * count);
}

// The walk of a one-variable curve over -10..10, as generation takes it.
constexpr long double CheapStep = 0.00001L;

template <typename F> void walkCheap(std::vector<TSpacePoint>& points, F&& y)
{
    points.clear();
    for (long double x = -10; x < 10; x += CheapStep)
        points.push_back({ x, y(x), 0, 1 });
}

// y = fy regenerated in place into the list's own points, on one thread.
void velmoCheap(benchmark::State& state, const char* fy)
{
    TObjectList list;
    list.SetThreads(1);
    list.Append(ctXYPlane, "", fy, "", 255, 0, 1, CheapStep, true);
    for (auto _ : state) {
        list.GeneratePoints(0);
        benchmark::DoNotOptimize(list.Items(0).Points->SpacePointData());
    }
    state.counters["points"] = list.Items(0).Points->Count();
}

void muparserCheap(benchmark::State& state, const char* fy)
{
    double x = 0;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.SetExpr(fy);
    std::vector<TSpacePoint> points;
    for (auto _ : state) {
        walkCheap(points, [&](long double value) {
            x = static_cast<double>(value);
            return static_cast<long double>(parser.Eval());
        });
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = static_cast<double>(points.size());
}

template <typename F> void nativeCheap(benchmark::State& state, F y)
{
    std::vector<TSpacePoint> points;
    for (auto _ : state) {
        walkCheap(points, y);
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = static_cast<double>(points.size());
}

void BM_VelmoParabola(benchmark::State& state) { velmoCheap(state, "x^2+1"); }
void BM_MuparserParabola(benchmark::State& state) { muparserCheap(state, "x^2+1"); }
void BM_VelmoSine(benchmark::State& state) { velmoCheap(state, "sin(x)"); }
void BM_NativeLongDoubleSine(benchmark::State& state)
{
    nativeCheap(state, [](long double x) { return std::sin(x); });
}
}

BENCHMARK(BM_VelmoParabola)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MuparserParabola)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelmoSine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeLongDoubleSine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelmoSphere)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelmoSphere)
    ->Name("BM_VelmoSphereAllCores")
    ->Arg(0)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MuparserSphere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NativeLongDoubleSphere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VelmoFormulasOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MuparserFormulasOnly)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // All three walk the same samples.
    TObjectList list;
    list.SetMatrix(&matrix());
    const int velmo = velmoSphere(list), peer = muparserSphere(), native = nativeSphere();
    if (velmo != native || peer != native) {
        std::fprintf(stderr, "point counts differ: %d %d %d\n", velmo, peer, native);
        return 1;
    }
    return RunWithRatios(argc, argv,
        { { "BM_VelmoSphere/1", "BM_MuparserSphere" },
            { "BM_VelmoSphere/1", "BM_NativeLongDoubleSphere" },
            { "BM_VelmoSphereAllCores/0/real_time", "BM_MuparserSphere" },
            { "BM_VelmoFormulasOnly", "BM_MuparserFormulasOnly" },
            { "BM_VelmoParabola", "BM_MuparserParabola" },
            { "BM_VelmoSine", "BM_NativeLongDoubleSine" } });
}
