// Printing a recipe whose text is one line without spaces (1 MB, as an
// import accepts) to a PDF file, against printing 1 MB of ordinary lines in
// the same run. The text printer lays out the recipe once for the whole job;
// a word wider than the page once cost a search to its end for every line it
// filled, so the one line took a minute where the ordinary lines took a
// second. The one line must print within twice the ordinary lines' time (the
// best of its runs against the best of two of theirs); the figure is given
// as that ratio, so it does not depend on the machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/BenchSupport.h"
#include "bench/OffscreenMain.h"
#include "framework/print/OpenPrinterDialog.h"
#include "framework/print/PrinterSetup.h"
#include "recipe_window/print/PrintModule.h"
#include "recipe_window/print/PrintedRecipe.h"

namespace {

constexpr int64_t kMB = 1024 * 1024;
constexpr double kMostRatio = 2.0;

std::string ordinaryLines(int64_t bytes) {
    std::string text;
    while (int64_t(text.size()) < bytes) text += "2 cups of flour, sifted twice, then folded into the butter\r";
    return text;
}

struct BenchRecipe : PrintedRecipe {
    StyledText text;
    explicit BenchRecipe(const std::string& body) : text(body) { PrintModule::setRecipe(this); }
    ~BenchRecipe() override { PrintModule::setRecipe(nullptr); }
    std::string Name() const override { return "Long line"; }
    int32_t Rating() const override { return 0; }
    StyledText Text() const override { return text; }
    std::shared_ptr<Picture> Photo() const override { return nullptr; }
};

// Seconds to print `text` as a recipe to a PDF file on Letter paper.
double printSeconds(const std::string& text, int32_t* pages = nullptr) {
    BenchRecipe recipe(text);
    PrintSettings settings;
    settings.paperName = "Letter";
    PrinterSetup setup(settings);
    settings = setup.Settings();
    settings.outputFile = (bench::benchFolder() / "long_line.pdf").string();
    std::filesystem::create_directories(bench::benchFolder());
    const auto started = std::chrono::steady_clock::now();
    std::unique_ptr<PrinterGraphics> g = startPrintJob(settings);
    PrintModule::curPageNo = 1;
    PrintModule::DoPrinting(g.get(), &setup);
    const bool printed = g->EndJob();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (pages) *pages = printed ? PrintModule::curPageNo : 0;
    std::filesystem::remove(settings.outputFile);
    return seconds;
}

// The smoke run prints 64 KB: small enough to be quick, large enough that a
// layout in square time still shows (4x the ordinary lines there).
int64_t textBytes() { return bench::smokeRun() ? 64 * 1024 : kMB; }

void BM_PrintOneLine1MB(benchmark::State& state) {
    const int64_t bytes = textBytes();
    const std::string lines = ordinaryLines(bytes), oneLine(size_t(bytes), 'x');
    // The best of two, so a moment of load on the machine does not decide.
    const double linesSeconds = std::min(printSeconds(lines), printSeconds(lines));
    double best = 1e9;
    int32_t pages = 0;
    for (auto _ : state) {
        const double seconds = printSeconds(oneLine, &pages);
        best = std::min(best, seconds);
        state.SetIterationTime(seconds);
    }
    const double ratio = linesSeconds > 0 ? best / linesSeconds : 0;
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["pages"] = pages;
    state.counters["lines_ms"] = linesSeconds * 1000;
    state.counters["ratio_to_lines"] = ratio;
    if (pages < 1) state.SkipWithError("the one-line recipe did not print");
    else if (ratio > kMostRatio) state.SkipWithError("the one-line recipe printed more than 2x slower than ordinary lines");
}
BENCHMARK(BM_PrintOneLine1MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

}  // namespace

int main(int argc, char** argv) {
    const int code = bench::runBenchmarksOffscreen(argc, argv);
    std::filesystem::remove_all(bench::benchFolder());
    return code;
}
