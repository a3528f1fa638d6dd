// Leaving the recipe text field after a change: the RTF of the whole styled
// text is written and both columns are updated in one transaction and
// committed (an unchanged text is not written at all).
// Measured for texts of 10 KB and 100 KB (a style change every 100
// characters) against the two bare updates of the same bytes in the same
// run (BareSqlite.h). "ratio_to_bare" is ours divided by bare.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <filesystem>

#include "app/RecipesTable.h"
#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

#include "bench/BareSqlite.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"

namespace fs = std::filesystem;
using bench::benchFolder;

namespace {

fs::path databaseFile() { return bench::liveFile(); }

void createDatabase() {
    sqlite3* db = nullptr;
    sqlite3_open(databaseFile().c_str(), &db);
    sqlite3_exec(db, RecipesTable::kCreate, nullptr, nullptr, nullptr);
    sqlite3_exec(db,
                 "insert into recipes (recipeName, recipeText, recipeRtfText) values ('Bread', 'flour', '{\\rtf1 flour}');",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The two updates alone, in one committed transaction, on the bare
// connection.
double bareSeconds(bench::BareSqlite& bare, const std::string& plain, const std::string& rtf) {
    auto t0 = std::chrono::steady_clock::now();
    bare.exec("begin");
    for (const auto& [column, value] : {std::pair{"recipeText", &plain}, std::pair{"recipeRtfText", &rtf}}) {
        sqlite3_stmt* stmt = bare.statement(std::string("update recipes set ") + column + " = ?1 where rowID = 1");
        if (stmt) sqlite3_bind_text(stmt, 1, value->c_str(), static_cast<int>(value->size()), SQLITE_TRANSIENT);
        bare.each(stmt, [](sqlite3_stmt*) {});
    }
    bare.exec("commit");
    return seconds(std::chrono::steady_clock::now() - t0);
}

void styleEveryHundredCharacters(EditField& field, int32_t length) {
    for (int32_t start = 0; start + 50 < length; start += 100) {
        field.SelStart = start;
        field.SelLength = 50;
        field.SelBold = true;
        field.SelTextSize = 14 + (start / 100) % 10;
    }
}

void BM_RecipeTextLeave(benchmark::State& state) {
    const int32_t length = static_cast<int32_t>(state.range(0));
    MainWindow& w = Main();
    std::string text;
    while (static_cast<int32_t>(text.size()) < length) text += "2 cups of flour, sifted twice.\r";
    text.resize(static_cast<size_t>(length));
    w.RecipeText->Text = text;
    styleEveryHundredCharacters(*w.RecipeText, length);
    const std::string rtf = w.RecipeText->StyledText.RTFData;
    bench::BareSqlite bareDb(databaseFile().string());
    double ours = 0, bare = 0;
    bool italic = false;
    for (auto _ : state) {
        // An unchanged text is not written at all: each leave follows an edit.
        w.RecipeText->SelStart = 0;
        w.RecipeText->SelLength = 1;
        w.RecipeText->SelItalic = (italic = !italic);
        auto t0 = std::chrono::steady_clock::now();
        w.RecipeText_LostFocus(FocusLoss::WithinWindow);
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSeconds(bareDb, text, rtf);
    }
    if (!bareDb.ok()) state.SkipWithError("the bare updates failed");
    state.counters["rtf_kb"] = static_cast<double>(rtf.size()) / 1024.0;
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RecipeTextLeave)
    ->Arg(10 * 1024)
    ->Arg(100 * 1024)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(20));

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((benchFolder() / "data").string()));
    createDatabase();
    auto app = std::make_unique<Larderwise>();
    app->db = std::make_shared<REALSQLDatabase>();
    app->openDatabase();
    Main().runOpenEvents();
    const int code = bench::runBenchmarks(argc, argv);
    Runtime::releaseWindows();
    app->db->Close();
    app.reset();
    fs::remove_all(benchFolder());
    return code;
}
