// ns per evaluation of six formulas: Velmo's compiled formula (its free
// variables copied as bytes into their slots in the table before each call, as
// the curve generator copies B), muparser (double, variables bound by pointer)
// and the same formula written natively in long double with the same function
// implementations.

#include "engine/arithmetic.h"
#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <muParser.h>
#include <string>
#include <vector>

namespace {
constexpr int ValueCount = 1024;

struct Case {
    std::string name; // as Velmo reads it
    std::string muparser; // the same formula for muparser
    std::vector<std::string> variables;
    bool wholeValues; // mod wants whole operands
    std::function<long double(long double, long double)> native;
};

using namespace arithmetic;

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        { "sin(a)*cos(b)", "sin(a)*cos(b)", { "a", "b" }, false,
            [](long double a, long double b) { return sine(a) * cosine(b); } },
        { "cos(a)", "cos(a)", { "a" }, false,
            [](long double a, long double) { return cosine(a); } },
        { "x^2+1", "x^2+1", { "x" }, false, [](long double x, long double) { return x * x + 1; } },
        { "sin(x)*cos(x)+x^3/5-2*x", "sin(x)*cos(x)+x^3/5-2*x", { "x" }, false,
            [](long double x, long double) {
                return sine(x) * cosine(x) + x * x * x / 5 - 2 * x;
            } },
        { "[|x-3|]*2", "abs(x-3)*2", { "x" }, false,
            [](long double x, long double) { return std::fabs(x - 3) * 2; } },
        { "2*x mod 3 + fact(5)", "2*x % 3 + fact(5)", { "x" }, true,
            [](long double x, long double) {
                return static_cast<long double>(static_cast<long long>(2 * x) % 3) + 120;
            } },
    };
    return all;
}

std::vector<long double> values(bool whole, int seed)
{
    std::vector<long double> v(ValueCount);
    for (int i = 0; i < ValueCount; ++i)
        v[i] = whole ? (i * 7 + seed) % 19 - 9 : -3 + 0.00613L * i + seed * 0.1L;
    return v;
}

double muMod(double a, double b) { return std::fmod(std::trunc(a), std::trunc(b)); }
double muFact(double x)
{
    double r = 1;
    for (int i = 2; i <= static_cast<int>(x); ++i)
        r *= i;
    return r;
}

void ours(benchmark::State& state, const Case& c)
{
    TVariableMemory memory;
    TFonksiyon f;
    f.SetMemory(&memory);
    f.SetText(c.name);
    const auto a = values(c.wholeValues, 1);
    const auto b = values(c.wholeValues, 2);
    long double* first = memory.ValueSlot(c.variables[0]);
    long double* second = c.variables.size() == 2 ? memory.ValueSlot(c.variables[1]) : nullptr;
    int i = 0;
    for (auto _ : state) {
        std::memcpy(first, &a[i], sizeof(long double));
        if (second != nullptr)
            std::memcpy(second, &b[i], sizeof(long double));
        benchmark::DoNotOptimize(f.Evaluate());
        i = (i + 1) & (ValueCount - 1);
    }
}

void peer(benchmark::State& state, const Case& c)
{
    mu::Parser parser;
    parser.DefineOprt("%", muMod, mu::prMUL_DIV);
    parser.DefineFun("fact", muFact);
    double va = 0;
    double vb = 0;
    parser.DefineVar(c.variables[0], &va);
    if (c.variables.size() == 2)
        parser.DefineVar(c.variables[1], &vb);
    parser.SetExpr(c.muparser);
    const auto a = values(c.wholeValues, 1);
    const auto b = values(c.wholeValues, 2);
    int i = 0;
    for (auto _ : state) {
        va = static_cast<double>(a[i]);
        vb = static_cast<double>(b[i]);
        benchmark::DoNotOptimize(parser.Eval());
        i = (i + 1) & (ValueCount - 1);
    }
}

void native(benchmark::State& state, const Case& c)
{
    const auto a = values(c.wholeValues, 1);
    const auto b = values(c.wholeValues, 2);
    int i = 0;
    for (auto _ : state) {
        long double x = a[i];
        long double y = b[i];
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(c.native(x, y));
        i = (i + 1) & (ValueCount - 1);
    }
}

// A sum of distinct variables v0+v1+... at least `characters` long.
std::string manyNames(std::size_t characters)
{
    std::string text;
    for (int i = 0; text.size() < characters; ++i)
        text += (i ? "+v" : "v") + std::to_string(i);
    return text;
}

// Compiling one long formula with as many distinct names as fit: the time must
// grow no faster than n log n with its length (a million characters in well
// under a second).
void compileLong(benchmark::State& state)
{
    const std::string text = manyNames(static_cast<std::size_t>(state.range(0)));
    TVariableMemory memory;
    TFonksiyon f;
    f.SetMemory(&memory);
    for (auto _ : state)
        f.SetText(text);
    state.counters["names"] = memory.Count();
}

// Collects the times so that the table can be printed after the run.
class TableReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> ns;
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // One run each, or the median of the repetitions when they are asked for.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration
                || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
                ns[run.run_name.str()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

// The three ways must agree before their speed means anything.
bool sameValues()
{
    bool ok = true;
    for (const Case& c : cases()) {
        TVariableMemory memory;
        TFonksiyon f;
        f.SetMemory(&memory);
        f.SetText(c.name);
        mu::Parser parser;
        parser.DefineOprt("%", muMod, mu::prMUL_DIV);
        parser.DefineFun("fact", muFact);
        double va = 0, vb = 0;
        parser.DefineVar(c.variables[0], &va);
        if (c.variables.size() == 2)
            parser.DefineVar(c.variables[1], &vb);
        parser.SetExpr(c.muparser);
        const auto a = values(c.wholeValues, 1);
        const auto b = values(c.wholeValues, 2);
        for (int i = 0; i < ValueCount; ++i) {
            memory.SetValue(c.variables[0], a[i]);
            if (c.variables.size() == 2)
                memory.SetValue(c.variables[1], b[i]);
            va = static_cast<double>(a[i]);
            vb = static_cast<double>(b[i]);
            const long double mine = f.Evaluate();
            const long double limit = c.native(a[i], b[i]);
            const double theirs = parser.Eval();
            if (std::fabs(static_cast<double>(mine - limit))
                    > 1e-15 * (1 + std::fabs((double)limit))
                || std::fabs(theirs - static_cast<double>(limit))
                    > 1e-9 * (1 + std::fabs(theirs))) {
                std::printf("values differ for %s at %d: %.18Lg %.18Lg %.17g\n", c.name.c_str(), i,
                    mine, limit, theirs);
                ok = false;
                break;
            }
        }
    }
    return ok;
}
}

int main(int argc, char** argv)
{
    if (!sameValues())
        return 1;
    for (const Case& c : cases()) {
        benchmark::RegisterBenchmark(("velmo/" + c.name).c_str(), ours, c);
        benchmark::RegisterBenchmark(("muparser/" + c.name).c_str(), peer, c);
        benchmark::RegisterBenchmark(("native/" + c.name).c_str(), native, c);
    }
    for (const long characters : { 100'000L, 1'000'000L })
        benchmark::RegisterBenchmark(
            ("compile/" + std::to_string(characters) + " characters").c_str(), compileLong)
            ->Arg(characters)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-26s %10s %10s %10s %12s %12s\n", "formula", "velmo ns", "muparser", "native",
        "velmo/mup", "velmo/native");
    for (const Case& c : cases()) {
        const double v = reporter.ns["velmo/" + c.name];
        const double m = reporter.ns["muparser/" + c.name];
        const double n = reporter.ns["native/" + c.name];
        std::printf("%-26s %10.1f %10.1f %10.1f %11.2fx %11.2fx\n", c.name.c_str(), v, m, n,
            m > 0 ? v / m : 0, n > 0 ? v / n : 0);
    }
    for (const char* row :
        { "compile/100000 characters/100000", "compile/1000000 characters/1000000" })
        if (reporter.ns.count(row))
            std::printf("%-40s %10.1f ms\n", row, reporter.ns[row]);
    benchmark::Shutdown();
    return 0;
}
