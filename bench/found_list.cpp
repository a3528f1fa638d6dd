// The main window's found list over 10,000 and 100,000 recipes of about
// 2 KB plain text and 5 KB RTF each, against the bare SQLite statement over
// the same rows in the same run. "ratio_to_bare" is ours divided by bare.
//
//   BM_UpdateFoundList/N/kind   updateFoundList end to end (query, list in one
//                               reset, first row selected and its recipe loaded);
//                               kind 0 empty search, 1 Everywhere without a match,
//                               2 Everywhere matching every recipe, 3 keywords
//                               scope without a match
//   BM_SearchKeystroke/N        one keystroke in the search field to idle, against
//                               the bare statement on copied pages ("ratio_to_bare")
//                               and read through a memory map ("..._mapped")
//   BM_StartUpAfterDelete/N     a start-up after one recipe was deleted against one
//                               without free pages; peak memory of each
//   BM_NameFieldLeave/N         leaving the name field: save, commit and refill
//   BM_UpdateFoundListSorted/N  the same with the list sorted by its heading
//   BM_StartUp/N                open the database, build and open the window
//                               until the list is filled; peak memory in MB
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/db/BackgroundSelect.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"

#include "bench/BenchSupport.h"
#include "bench/RecipeFill.h"

namespace fs = std::filesystem;
using bench::benchFolder;
using bench::liveFile;

namespace {

// The recipes of the performance notes: random names, 2 KB text, 5 KB RTF,
// 40-character keywords, ratings 0 to 5, no photos.
fs::path sourceDatabase(int n) {
    static std::map<int, fs::path> built;
    fs::path& path = built[n];
    if (!path.empty()) return path;
    path = benchFolder() / ("recipes-" + std::to_string(n) + ".rsd");
    bench::fillRecipeDatabase(path, n, bench::RecipeText::Spaces);
    return path;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The statement alone: prepared, bound, stepped to the end, both columns
// read; its pages copied out of the kernel (pread), or with `mapped` read
// through a memory map.
double bareSeconds(const RecipeStatement& statement, bool mapped = false) {
    auto t0 = std::chrono::steady_clock::now();
    sqlite3* db = nullptr;
    sqlite3_open_v2(liveFile().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (mapped) sqlite3_exec(db, "PRAGMA mmap_size=1099511627776", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, statement.sql.c_str(), -1, &stmt, nullptr);
    if (!statement.values.empty()) {
        const std::string text = statement.values[0].StringValue();
        sqlite3_bind_text(stmt, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    int64_t sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        sum += sqlite3_column_bytes(stmt, 0);
        sum += sqlite3_column_int64(stmt, 1);
    }
    benchmark::DoNotOptimize(sum);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return seconds(std::chrono::steady_clock::now() - t0);
}

// The application object and the window over one database size at a time.
struct Session {
    std::unique_ptr<Larderwise> app;
    int size = 0;

    // Puts a fresh copy of the n-recipe database in place (not timed).
    static void place(int n) { fs::copy_file(sourceDatabase(n), liveFile(), fs::copy_options::overwrite_existing); }

    MainWindow& open(int n, bool placed = false) {
        if (size != n) {
            close();
            if (!placed) place(n);
            app = std::make_unique<Larderwise>();
            app->db = std::make_shared<REALSQLDatabase>();
            app->openDatabase();
            Main().runOpenEvents();
            size = n;
        }
        return Main();
    }
    void close() {
        if (!app) return;
        Runtime::releaseWindows();
        app->db->Close();
        app.reset();
        size = 0;
    }
};

Session& session() {
    static Session s;
    return s;
}

void BM_StartUp(benchmark::State& state) {
    session().close();
    const int n = static_cast<int>(state.range(0));
    sourceDatabase(n);
    double total = 0;
    for (auto _ : state) {
        session().close();
        Session::place(n);
        auto t0 = std::chrono::steady_clock::now();
        session().open(n, true);
        total += seconds(std::chrono::steady_clock::now() - t0);
    }
    state.counters["ms_to_filled_list"] = 1000 * total / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = bench::peakResidentMB();
}
// Registered first, so the peak memory is the start-up's and not a later benchmark's.
BENCHMARK(BM_StartUp)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Deletes recipes from the database in place, as the user's last session
// did: their pages become free pages of the file. One recipe, or (`many`)
// every third one, which makes the compaction worth its time.
void deleteRecipes(bool many) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(liveFile().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_exec(db, many ? "delete from recipes where rowID % 3 = 0" : "delete from recipes where rowID = 7",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// A start-up after recipes were deleted against a start-up of the same
// database without free pages, and each against the bare open and list
// statement. Peak memory of each path separately. The second argument: 0
// one recipe deleted, 1 every third recipe (the start then compacts).
void BM_StartUpAfterDelete(benchmark::State& state) {
    session().close();
    const int n = static_cast<int>(state.range(0));
    sourceDatabase(n);
    double afterDelete = 0, plain = 0, bare = 0, peakAfterDelete = 0, peakPlain = 0;
    for (auto _ : state) {
        for (const bool deleted : {true, false}) {
            session().close();
            Session::place(n);
            if (deleted) deleteRecipes(state.range(1) == 1);
            bench::resetPeakResident();
            auto t0 = std::chrono::steady_clock::now();
            session().open(n, true);
            const double took = seconds(std::chrono::steady_clock::now() - t0);
            (deleted ? afterDelete : plain) += took;
            double& peak = deleted ? peakAfterDelete : peakPlain;
            peak = std::max(peak, bench::peakResidentMB());
        }
        bare += bareSeconds(foundListStatement("Everywhere", ""));
    }
    session().close();
    const double runs = static_cast<double>(state.iterations());
    state.counters["after_delete_over_plain"] = afterDelete / plain;
    state.counters["ratio_to_bare"] = afterDelete / bare;
    state.counters["ms_after_delete"] = 1000 * afterDelete / runs;
    state.counters["ms_plain"] = 1000 * plain / runs;
    state.counters["peak_rss_mb_after_delete"] = peakAfterDelete;
    state.counters["peak_rss_mb_plain"] = peakPlain;
}
BENCHMARK(BM_StartUpAfterDelete)
    ->ArgsProduct({{10000, 100000}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

const char* const kScopes[] = {"Everywhere", "Everywhere", "Everywhere", "RecipeKeywords"};
const char* const kTexts[] = {"", "zzqq", "pasta", "zzqq"};

void BM_UpdateFoundList(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    const int kind = static_cast<int>(state.range(1));
    w.searchWhere = kScopes[kind];
    const RecipeStatement statement = foundListStatement(w.searchWhere, kTexts[kind]);
    double ours = 0, bare = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        w.updateFoundList(0, kTexts[kind]);
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSeconds(statement);
    }
    state.counters["rows"] = w.recipeList->ListCount();
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
    state.counters["ms_bare"] = 1000 * bare / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UpdateFoundList)
    ->ArgsProduct({{10000, 100000}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// Typing alternates between two texts so every keystroke changes the search.
void BM_SearchKeystroke(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.searchControl->SearchWhere = std::string("Everywhere");
    const std::string texts[] = {"pasta 1", "pasta 12"};
    double ours = 0, bare = 0, bareMapped = 0;
    int i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ % 2];
        auto t0 = std::chrono::steady_clock::now();
        w.Searchfield().Text = text;
        // The search reads on its own thread and shows its list through the loop.
        do QApplication::processEvents();
        while (BackgroundSelect::AnyPending());
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSeconds(foundListStatement("Everywhere", text));
        bareMapped += bareSeconds(foundListStatement("Everywhere", text), true);
    }
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ratio_to_bare_mapped"] = ours / bareMapped;
    state.counters["ms_over_bare"] = 1000 * (ours - bare) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SearchKeystroke)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(6);


void BM_NameFieldLeave(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.Searchfield().Text = std::string();
    double ours = 0, bare = 0;
    int i = 0;
    for (auto _ : state) {
        w.recipeName->Text = "Recipe renamed " + std::to_string(i++);
        auto t0 = std::chrono::steady_clock::now();
        w.recipeName_LostFocus();
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSeconds(foundListStatement("Everywhere", ""));
    }
    state.counters["ratio_to_bare"] = ours / bare;
}
BENCHMARK(BM_NameFieldLeave)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);

// After the user sorted by the heading (here: descending), every refill is
// sorted the way the heading's mark shows.
void BM_UpdateFoundListSorted(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.Searchfield().Text = std::string();
    w.recipeList->userPressedHeader(0);
    w.recipeList->userPressedHeader(0);
    const RecipeStatement statement = foundListStatement("Everywhere", "");
    double ours = 0, bare = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        w.updateFoundList(0, "");
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSeconds(statement);
    }
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
    state.counters["ms_bare"] = 1000 * bare / static_cast<double>(state.iterations());
    w.recipeList->SortedColumn = -1;  // the next benchmark's list in the query's order
    w.recipeList->HeadingIndex = -1;
}
BENCHMARK(BM_UpdateFoundListSorted)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);


}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((benchFolder() / "data").string()));
    setUiService(std::make_unique<bench::AnsweringUi>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    session().close();
    setUiService(nullptr);
    fs::remove_all(benchFolder());
    return 0;
}
