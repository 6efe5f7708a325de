// The reporter of every benchmark program: the usual table, then the lines that set each
// figure beside its baseline from the same run, which the program writes in Compare.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace vandro::bench {

class ComparisonReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // With repetitions, the mean stands for the benchmark.
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (run.error_occurred || !(single || run.aggregate_name == "mean"))
                continue;
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            runs_[run.run_name.str()] = {run.GetAdjustedRealTime() / perSecond,
                                         run.GetAdjustedCPUTime() / perSecond, run.counters};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        Compare(GetOutputStream());
    }

  protected:
    virtual void Compare(std::ostream& out) = 0;

    // The wall time of one iteration of the named benchmark, 0 when it did not run.
    double Seconds(const std::string& name) const {
        const auto run = runs_.find(name);
        return run == runs_.end() ? 0 : run->second.seconds;
    }
    // The processor time: steadier than the wall time on a machine that is busy otherwise.
    double CpuSeconds(const std::string& name) const {
        const auto run = runs_.find(name);
        return run == runs_.end() ? 0 : run->second.cpuSeconds;
    }
    // A counter of the named benchmark, 0 when it has none.
    double Counter(const std::string& name, const std::string& counter) const {
        const auto run = runs_.find(name);
        if (run == runs_.end())
            return 0;
        const auto value = run->second.counters.find(counter);
        return value == run->second.counters.end() ? 0 : value->second.value;
    }

  private:
    struct Figures {
        double seconds, cpuSeconds;
        benchmark::UserCounters counters;
    };
    std::map<std::string, Figures> runs_;
};

// The body of a benchmark program's main.
inline int RunBenchmarks(int argc, char** argv, ComparisonReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace vandro::bench
