#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

// Console reporter that also remembers the time per iteration of every run, so that a benchmark
// program can print the ratios its goals are stated in.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.iterations > 0) {
                m_nsPerIteration[run.benchmark_name()] =
                        run.GetAdjustedRealTime() * multiplier(run.time_unit);
                m_cpuNsPerIteration[run.benchmark_name()] =
                        run.GetAdjustedCPUTime() * multiplier(run.time_unit);
            }
        }
    }

    double ns(const std::string &name) const
    {
        const auto it = m_nsPerIteration.find(name);
        return it == m_nsPerIteration.end() ? 0.0 : it->second;
    }

    // Processor time per iteration: what a run costs on a machine busy with other work.
    double cpuNs(const std::string &name) const
    {
        const auto it = m_cpuNsPerIteration.find(name);
        return it == m_cpuNsPerIteration.end() ? 0.0 : it->second;
    }

    // Prints "label: value (goal ...)" and returns whether the goal holds.
    static bool printRatio(const char *label, double value, const char *goal, bool met)
    {
        std::printf("%s: %.3f (goal %s) %s\n", label, value, goal, met ? "met" : "NOT MET");
        return met;
    }

private:
    static double multiplier(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond:
            return 1e9;
        case benchmark::kMillisecond:
            return 1e6;
        case benchmark::kMicrosecond:
            return 1e3;
        default:
            return 1.0;
        }
    }

    std::map<std::string, double> m_nsPerIteration;
    std::map<std::string, double> m_cpuNsPerIteration;
};

// main() for benchmark programs whose goals are ratios: runs everything, then calls report.
#define VEXATARN_BENCH_MAIN(report)                                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        RatioReporter reporter;                                                                    \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                              \
        return report(reporter) ? 0 : 1;                                                           \
    }
