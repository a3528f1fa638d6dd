// Loading a recipe's RTF into the styled recipe text field and reading the
// RTF back, as every recipe selection (load) and focus-loss save (read)
// does. The recipe is about 100 KB of RTF: centred bold titles, ingredient
// lines with sizes, italics, colour, and non-ASCII text. Each figure is also
// given as a ratio to copying the same bytes, measured in the same run, so
// it does not depend on the machine.
#include "bench/OffscreenMain.h"
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>
#include <string>

#include "framework/text/RtfWriter.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/EditField.h"

namespace {

std::string recipeRtf(size_t targetBytes) {
    StyledText recipe;
    TextStyle title{"Times", 24, true};
    TextStyle body{"Helvetica", 12};
    TextStyle note{"Helvetica", 11, false, true, false, false, false, 0x8B0000};
    for (int section = 0; recipe.RTFData().size() < targetBytes; ++section) {
        const size_t titleParagraph = recipe.ParagraphCount() - 1;
        recipe.Append(StyledText("Step " + std::to_string(section) + ": cr\u00E8me br\u00FBl\u00E9e\r", title));
        recipe.SetAlignment(titleParagraph, TextAlignment::Center);
        for (int line = 0; line < 12; ++line) {
            recipe.Append(StyledText("\u00BD cup flour, sifted twice\t", body));
            recipe.Append(StyledText("bake at 350\u00B0F until golden\r", note));
        }
    }
    return writeRtf(recipe);
}

template <class Work>
void measure(benchmark::State& state, const std::string& rtf, Work work) {
    double workSeconds = 0, copySeconds = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        std::string copy(rtf.data(), rtf.size());
        benchmark::DoNotOptimize(copy.data());
        auto t1 = std::chrono::steady_clock::now();
        work();
        auto t2 = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(t2 - t1).count();
        workSeconds += seconds;
        copySeconds += std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(seconds);
    }
    state.counters["rtf_bytes"] = static_cast<double>(rtf.size());
    state.counters["ratio_to_copy"] = copySeconds > 0 ? workSeconds / copySeconds : 0;
}

std::unique_ptr<EditField> styledField() {
    auto field = std::make_unique<EditField>();
    field->MultiLine = true;
    field->Styled = true;
    return field;
}

void BM_StyledFieldLoad100KB(benchmark::State& state) {
    const std::string rtf = recipeRtf(100 * 1024);
    auto fieldOwner = styledField();
    EditField& field = *fieldOwner;
    // Alternate with an empty load, so every load really replaces the text.
    measure(state, rtf, [&] {
        field.StyledText.RTFData = std::string();
        field.StyledText.RTFData = rtf;
    });
}
BENCHMARK(BM_StyledFieldLoad100KB)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StyledFieldReadRtf100KB(benchmark::State& state) {
    const std::string rtf = recipeRtf(100 * 1024);
    auto fieldOwner = styledField();
    EditField& field = *fieldOwner;
    field.StyledText.RTFData = rtf;
    measure(state, rtf, [&] {
        std::string out = field.StyledText.RTFData;
        benchmark::DoNotOptimize(out.data());
    });
}
BENCHMARK(BM_StyledFieldReadRtf100KB)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StyledFieldLoadAndRead100KB(benchmark::State& state) {
    const std::string rtf = recipeRtf(100 * 1024);
    auto fieldOwner = styledField();
    EditField& field = *fieldOwner;
    measure(state, rtf, [&] {
        field.StyledText.RTFData = std::string();
        field.StyledText.RTFData = rtf;
        std::string out = field.StyledText.RTFData;
        benchmark::DoNotOptimize(out.data());
    });
}
BENCHMARK(BM_StyledFieldLoadAndRead100KB)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return bench::runBenchmarksOffscreen(argc, argv); }
