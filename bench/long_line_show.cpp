// Showing a recipe whose text is one line without spaces (1 MB and 4 MB, as
// an import accepts) in the styled recipe text field, against showing 4 MB of
// ordinary lines in the same run: the field lays out every line when a recipe
// is shown, and a word wider than the field once cost a search to its end for
// every line it filled. Each figure is given as a ratio to the ordinary
// lines, so it does not depend on the machine.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/Larderwise.h"
#include "app/RecipesTable.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/text/StyledText.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

namespace {

constexpr int64_t kMB = 1024 * 1024;

std::string ordinaryLines(int64_t bytes) {
    std::string text;
    while (int64_t(text.size()) < bytes) text += "2 cups of flour, sifted twice, then folded into the butter\r";
    return text;
}

// Seconds to show `text` in the field, from an empty field as the shown
// recipe is replaced.
double showSeconds(EditField& field, const std::string& text) {
    field.setStyledText(StyledText(std::string()));
    const auto started = std::chrono::steady_clock::now();
    field.setStyledText(StyledText(text));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

void showAgainstOrdinaryLines(benchmark::State& state, const std::string& text) {
    // The main window's own recipe text field, shown, so it lays out its text.
    EditField* field = Main().RecipeText;
    const double lines = showSeconds(*field, ordinaryLines(bench::size(4 * kMB)));
    double shown = 0;
    for (auto _ : state) {
        const double seconds = showSeconds(*field, text);
        shown += seconds;
        state.SetIterationTime(seconds);
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["ratio_to_4MB_lines"] = lines > 0 ? shown / double(state.iterations()) / lines : 0;
}

void BM_ShowOneLine1MB(benchmark::State& state) {
    showAgainstOrdinaryLines(state, std::string(size_t(bench::size(kMB)), 'x'));
}
BENCHMARK(BM_ShowOneLine1MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

void BM_ShowOneLine4MB(benchmark::State& state) {
    showAgainstOrdinaryLines(state, std::string(size_t(bench::size(4 * kMB)), 'x'));
}
BENCHMARK(BM_ShowOneLine4MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

void BM_ShowOrdinaryLines4MB(benchmark::State& state) {
    showAgainstOrdinaryLines(state, ordinaryLines(bench::size(4 * kMB)));
}
BENCHMARK(BM_ShowOrdinaryLines4MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((bench::benchFolder() / "data").string()));
    sqlite3* db = nullptr;
    sqlite3_open(bench::liveFile().c_str(), &db);
    sqlite3_exec(db, RecipesTable::kCreate, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    auto app = std::make_unique<Larderwise>();
    app->db = std::make_shared<REALSQLDatabase>();
    app->openDatabase();
    Main().runOpenEvents();
    Main().Show();
    const int code = bench::runBenchmarks(argc, argv);
    Runtime::releaseWindows();
    app->db->Close();
    app.reset();
    std::filesystem::remove_all(bench::benchFolder());
    return code;
}
