// RTF writing and reading. The database conversion writes (or reads) the RTF
// of every recipe row, and the recipe window reads one on every selection and
// writes one on every focus loss, so these are per-recipe costs. The large
// inputs are compared with a plain copy of the same bytes ("x_copy").
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>

#include "framework/text/StyledText.h"

#include "bench/BenchMain.h"

namespace {

// About 3 KB of recipe text: a centred bold title, ingredients with
// fractions and degrees, steps with some emphasis.
StyledText typicalRecipe() {
    StyledText t;
    auto add = [&](const std::string& text, auto&& style) {
        StyleRun run;
        run.Text = text;
        run.Style.Font = "Geneva";
        run.Style.Size = 12;
        style(run.Style);
        t.AppendStyleRun(run);
    };
    auto plain = [](TextStyle&) {};
    add("Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e for a crowd\r", [](TextStyle& s) { s.Bold = true; s.Size = 18; });
    for (int i = 1; i <= 14; ++i)
        add(std::to_string(i) + " \xC2\xBD cup of something good, finely chopped or sliced\r", plain);
    for (int i = 1; i <= 12; ++i) {
        add("Step " + std::to_string(i) + ": ", [](TextStyle& s) { s.Italic = true; s.TextColor = 0x993300; });
        add("heat the oven to 350\xC2\xB0" "F, stir {gently} and wait until the custard has set at the edges "
            "but still trembles in the middle.\r",
            plain);
    }
    t.SetAlignment(0, TextAlignment::Center);
    return t;
}

// Roughly `bytes` of RTF built from repeated recipes.
StyledText recipesOfSize(size_t bytes) {
    const StyledText one = typicalRecipe();
    const size_t oneSize = one.RTFData().size();
    StyledText many;
    for (size_t size = 0; size < bytes; size += oneSize) many.Append(one);
    return many;
}

double secondsPerCopy(const std::string& bytes) {
    const int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        std::string copy = bytes;
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void reportAgainstCopy(benchmark::State& state, double seconds, const std::string& rtf) {
    state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
    state.counters["x_copy"] = seconds / static_cast<double>(state.iterations()) / secondsPerCopy(rtf);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * rtf.size()));
}

void BM_RecipeWriteThenRead(benchmark::State& state) {
    const StyledText recipe = typicalRecipe();
    state.counters["rtf_bytes"] = static_cast<double>(recipe.RTFData().size());
    for (auto _ : state) {
        StyledText back;
        benchmark::DoNotOptimize(back.SetRTFData(recipe.RTFData()));
    }
    state.SetItemsProcessed(state.iterations());  // recipes
}
BENCHMARK(BM_RecipeWriteThenRead);

void BM_RtfRead(benchmark::State& state) {
    const std::string rtf = recipesOfSize(static_cast<size_t>(state.range(0))).RTFData();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        StyledText t;
        benchmark::DoNotOptimize(t.SetRTFData(rtf));
    }
    reportAgainstCopy(state, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), rtf);
}
BENCHMARK(BM_RtfRead)->Arg(50 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

void BM_RtfWrite(benchmark::State& state) {
    const StyledText text = recipesOfSize(static_cast<size_t>(state.range(0)));
    const std::string rtf = text.RTFData();
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(text.RTFData());
    reportAgainstCopy(state, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), rtf);
}
BENCHMARK(BM_RtfWrite)->Arg(50 * 1024)->Arg(1024 * 1024)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
