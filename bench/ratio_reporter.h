#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual console table, then each measured run's CPU time (steadier than
// wall time on a shared machine) as a multiple of its peer's, so that one run shows
// how far Velmo is from native code and from its peers. A run measured in wall time
// (its name ends in /real_time: work on several cores) is compared with its peer's
// wall time.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    // Each pair names a run and the peer it is compared with.
    explicit TRatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
        : FPairs(std::move(pairs))
    {
    }

    // One run each, or the median of the repetitions when they are asked for (with
    // --benchmark_enable_random_interleaving=true a run and its peer take turns, so
    // that the machine's slower and faster minutes fall on both alike).
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                FMedians[run.run_name.str()]
                    = { run.GetAdjustedCPUTime(), run.GetAdjustedRealTime() };
            else if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                FTimes[run.benchmark_name()]
                    = { run.GetAdjustedCPUTime(), run.GetAdjustedRealTime() };
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, peer] : FPairs) {
            const std::string wall = "/real_time";
            const bool real = name.size() >= wall.size()
                && name.compare(name.size() - wall.size(), wall.size(), wall) == 0;
            const double a = timeOf(name, real), b = timeOf(peer, real);
            if (a > 0 && b > 0)
                std::printf("%-40s / %-40s = %.2f\n", name.c_str(), peer.c_str(), a / b);
        }
    }

private:
    struct TTimes {
        double Cpu = 0, Real = 0;
    };

    double timeOf(const std::string& name, bool real) const
    {
        TTimes times;
        if (const auto median = FMedians.find(name); median != FMedians.end())
            times = median->second;
        else if (const auto one = FTimes.find(name); one != FTimes.end())
            times = one->second;
        return real ? times.Real : times.Cpu;
    }

    std::vector<std::pair<std::string, std::string>> FPairs;
    std::map<std::string, TTimes> FTimes;
    std::map<std::string, TTimes> FMedians;
};

// Runs the registered benchmarks with a TRatioReporter; the body of main().
inline int RunWithRatios(
    int argc, char** argv, std::vector<std::pair<std::string, std::string>> pairs)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TRatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
