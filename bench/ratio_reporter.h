#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual console table, then each measured run's CPU time (steadier than
// wall time on a shared machine) as a multiple of its peer's, so that one run shows
// how far Velmo is from native code and from its peers.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    // Each pair names a run and the peer it is compared with.
    explicit TRatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
        : FPairs(std::move(pairs))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                FTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [name, peer] : FPairs) {
            const auto a = FTimes.find(name), b = FTimes.find(peer);
            if (a != FTimes.end() && b != FTimes.end() && b->second > 0)
                std::printf(
                    "%-40s / %-40s = %.2f\n", name.c_str(), peer.c_str(), a->second / b->second);
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> FPairs;
    std::map<std::string, double> FTimes;
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
