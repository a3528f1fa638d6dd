// Type-ahead and next/previous over a found list of 100,000 recipes: the
// prefix searched in the list's own rows, with the only match in the last
// row (the worst case), and the selection moved by one row. The search is
// reported beside a plain loop over the same names with a byte compare,
// measured in the same run, as "ratio_to_plain_scan".
#include "bench/OffscreenMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <string>

#include "framework/ui/controls/Listbox.h"
#include "recipe_window/ListNavigation.h"

namespace {

constexpr int kRows = 100000;

void fill(Listbox& list) {
    list.ColumnCount = 2;
    list.ColumnWidths = "100%";
    for (int i = 0; i < kRows - 1; ++i) list.AddRow("Recipe number " + std::to_string(i));
    list.AddRow("Zucchini bread");
}

void BM_TypeAhead100k(benchmark::State& state) {
    Listbox list;
    fill(list);
    double ours = 0, plain = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        const int32_t row =
            firstRowBeginningWith("zUCC", list.ListCount(), [&list](int32_t i) { return list.List(i); });
        list.ListIndex = row;
        auto t1 = std::chrono::steady_clock::now();
        int32_t found = -1;
        for (int32_t i = 0; i < list.ListCount() && found < 0; ++i)
            if (list.List(i).compare(0, 4, "Zucc") == 0) found = i;
        benchmark::DoNotOptimize(found);
        auto t2 = std::chrono::steady_clock::now();
        list.ListIndex = -1;
        ours += std::chrono::duration<double>(t1 - t0).count();
        plain += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["ratio_to_plain_scan"] = plain > 0 ? ours / plain : 0;
}
BENCHMARK(BM_TypeAhead100k)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_NextRow100k(benchmark::State& state) {
    Listbox list;
    fill(list);
    list.ListIndex = 0;
    for (auto _ : state) list.ListIndex = nextRow(list.ListIndex, list.ListCount());
}
BENCHMARK(BM_NextRow100k)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarksOffscreen(argc, argv); }
