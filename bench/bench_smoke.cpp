// Placeholder so bench/ is wired; real benchmarks replace it.
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"
#include <string>
#include <vector>

static void BM_BuildStrings(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::string> rows;
        rows.reserve(state.range(0));
        for (int i = 0; i < state.range(0); ++i) rows.push_back("Recipe " + std::to_string(i));
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_BuildStrings)->Arg(1000);
int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
