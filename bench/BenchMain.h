#pragma once
// What every benchmark program shares around its benchmarks: a run in which
// any benchmark's own check failed (SkipWithError) ends with exit code 1, so
// a broken benchmark cannot pass unseen, and the smoke run the test suite
// makes of each program (LARDERWISE_BENCH_SMOKE set): the smallest sizes and
// one iteration, only to see that it runs and its checks hold.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace bench {

inline bool smokeRun() { return std::getenv("LARDERWISE_BENCH_SMOKE") != nullptr; }

// A benchmark's number of recipes (or bytes, or rows): a thousandth of it in
// a smoke run.
inline int64_t size(int64_t full) { return smokeRun() ? std::max<int64_t>(full / 1000, 10) : full; }

// A benchmark's fixed number of iterations: one in a smoke run.
inline int64_t iterations(int64_t full) { return smokeRun() ? 1 : full; }

class CheckingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only for a terminal, so logs stay plain text.
    CheckingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}
    bool failed = false;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) failed = failed || run.error_occurred;
        ConsoleReporter::ReportRuns(runs);
    }
};

// Runs the benchmarks the command line selects; 1 when any of them failed,
// or none ran (a filter that matches nothing, or one that does not compile).
inline int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    CheckingReporter reporter;
    const size_t ran = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed || ran == 0 ? 1 : 0;
}

}  // namespace bench
