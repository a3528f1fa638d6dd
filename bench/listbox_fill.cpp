// Refilling a Listbox with 100,000 rows, the way the recipe list refills:
// DeleteAllRows, then per row AddRow, the whole row's text and a cell tag,
// then selecting the first row (which brings the view up to date in one
// model reset). Reported as a ratio to building the same strings in a
// vector, measured in the same run, so the figure does not depend on the
// machine.
#include "bench/OffscreenMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <string>
#include <vector>

#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/ListboxModel.h"

namespace {

constexpr int kRows = 100000;

std::string rowText(int i) { return "Recipe number " + std::to_string(i) + "\t" + std::to_string(i + 1); }

void BM_ListboxFill100k(benchmark::State& state) {
    Listbox list;
    list.ColumnCount = 2;
    list.ColumnWidths = "100%";
    double fillSeconds = 0, stringSeconds = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        std::vector<std::string> strings;
        for (int i = 0; i < kRows; ++i) strings.push_back(rowText(i));
        benchmark::DoNotOptimize(strings.data());
        auto t1 = std::chrono::steady_clock::now();

        list.DeleteAllRows();
        for (int i = 0; i < kRows; ++i) {
            list.AddRow();
            list.Cell(list.LastIndex(), -1) = rowText(i);
            list.CellTag(list.LastIndex(), 0) = i + 1;
        }
        list.ListIndex = 0;
        auto t2 = std::chrono::steady_clock::now();

        double fill = std::chrono::duration<double>(t2 - t1).count();
        stringSeconds += std::chrono::duration<double>(t1 - t0).count();
        fillSeconds += fill;
        state.SetIterationTime(fill);
    }
    state.counters["rows_in_view"] = list.model()->rowCount();
    state.counters["ratio_to_strings"] = stringSeconds > 0 ? fillSeconds / stringSeconds : 0;
}
BENCHMARK(BM_ListboxFill100k)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarksOffscreen(argc, argv); }
