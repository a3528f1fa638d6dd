// Opening the recipe database at start-up, and the full upgrade of an old
// database with its conversion to styled text, each against the bare SQLite
// statements doing the same row work in the same run. The counter
// "ratio_to_bare" is openDatabase's time divided by the bare work's.
//
//   BM_OpenCurrent/N      a current database of N recipes (2 KB text, 5 KB RTF):
//                         openDatabase vs. a bare open plus the first-row select
//   BM_UpgradeConvert/N   N old-layout recipes (no rating, no RTF): openDatabase
//                         (columns, rebuild, conversion, vacuum) vs. the same
//                         result in plain SQL (BareSqlite.h): one pass that
//                         copies in name order and writes each text as RTF,
//                         then the vacuum; both must leave the same recipes
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "app/RecipesTable.h"
#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/ui/Runtime.h"
#include "framework/text/StyledText.h"

#include "bench/BareSqlite.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"

namespace fs = std::filesystem;
using bench::benchFolder;
using bench::liveFile;

namespace {

// About 2 KB of recipe text in paragraphs.
std::string recipeText(int i) {
    std::string text;
    for (int line = 0; text.size() < 2000; ++line)
        text += "Step " + std::to_string(line) + " of recipe " + std::to_string(i) + ": stir the sauce gently.\r";
    return text;
}
// About 5 KB of RTF: the text with every other word bold.
std::string recipeRtf(const std::string& text) {
    StyledText styled(text);
    for (size_t at = 0; at + 12 < styled.Length(); at += 24) styled.SetBold(at, 12, true);
    return styled.RTFData();
}

void exec(sqlite3* db, const char* sql) { sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

// A database file of n recipes, current layout or the oldest one; built once
// per kind and size and copied into place as needed.
fs::path sourceDatabase(int n, bool current) {
    static std::map<std::pair<int, bool>, fs::path> built;
    auto& path = built[{n, current}];
    if (!path.empty()) return path;
    path = benchFolder() / ((current ? "current-" : "old-") + std::to_string(n) + ".rsd");
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    exec(db, current ? RecipesTable::kCreate
                     : "create table recipes (recipeName varChar, recipeText varChar, recipeKeywords varChar, "
                       "recipePhoto Blob)");
    exec(db, "begin");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       current ? "insert into recipes (recipeName, recipeText, recipeRtfText) values (?, ?, ?)"
                               : "insert into recipes (recipeName, recipeText) values (?, ?)",
                       -1, &insert, nullptr);
    const std::string rtf = recipeRtf(recipeText(0));
    for (int i = 0; i < n; ++i) {
        const std::string name = "Recipe " + std::to_string((i * 7919) % n);
        const std::string text = recipeText(i);
        sqlite3_bind_text(insert, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, text.c_str(), -1, SQLITE_TRANSIENT);
        if (current) sqlite3_bind_text(insert, 3, rtf.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(db, "commit");
    sqlite3_close(db);
    return path;
}

void placeDatabase(const fs::path& source) {
    fs::remove(liveFile().string() + "-journal");
    fs::copy_file(source, liveFile(), fs::copy_options::overwrite_existing);
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// What opening a current database needs at the least: open the file with
// the program's pragmas and read the first row's two text columns.
bool bareOpen() {
    bench::BareSqlite bare(liveFile().string());
    bare.each(bare.statement("select recipeRtfText,recipeText from recipes order by rowID limit 1"),
              [](sqlite3_stmt* row) { benchmark::DoNotOptimize(sqlite3_column_bytes(row, 0)); });
    return bare.ok();
}

// The upgrade's work in plain SQL: the new layout's table filled in name
// order in one pass, each text written as RTF on the way (the characters RTF
// reserves escaped, each paragraph break a \par: all the benchmark's ASCII
// texts need), the old table replaced, the file compacted.
bool bareUpgrade() {
    bench::BareSqlite bare(liveFile().string());
    bare.exec("begin");
    bare.exec(RecipesTable::kCreateTemporary);
    bare.exec("insert into recipes2 (recipeName, recipeText, recipeRtfText, recipeKeywords, recipePhoto) "
              "select recipeName, recipeText, '{\\rtf1\\ansi ' || replace(replace(replace(replace(recipeText, "
              "'\\', '\\\\'), '{', '\\{'), '}', '\\}'), char(13), '\\par ') || '}', recipeKeywords, recipePhoto "
              "from recipes order by recipeName");
    bare.exec("drop table recipes");
    bare.exec("alter table recipes2 rename to recipes");
    bare.exec("commit");
    bare.exec("PRAGMA cache_spill=ON");  // as the program's vacuum runs
    bare.exec("vacuum");
    return bare.ok();
}

// What both upgrades must leave: every recipe, in name order, with its text
// and an RTF copy of it.
std::string upgradedContents() {
    bench::BareSqlite bare(liveFile().string());
    std::string contents;
    bare.each(bare.statement("select recipeName, recipeText, recipeRtfText is not null, recipeRating from recipes "
                             "order by rowID"),
              [&](sqlite3_stmt* row) {
                  for (int column = 0; column < 4; ++column) {
                      const auto* text = sqlite3_column_text(row, column);
                      contents += text ? reinterpret_cast<const char*>(text) : "NULL";
                      contents += '\t';
                  }
                  contents += '\n';
              });
    return bare.ok() ? contents : std::string();
}

void openWithApplication(Larderwise& app) {
    if (app.db) app.db->Close();
    app.db = std::make_shared<REALSQLDatabase>();
    app.openDatabase();
}

void BM_OpenCurrent(benchmark::State& state) {
    placeDatabase(sourceDatabase(static_cast<int>(state.range(0)), true));
    Larderwise app;
    openWithApplication(app);  // the first open compacts nothing and warms the cache
    double ours = 0, bare = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        openWithApplication(app);
        auto t1 = std::chrono::steady_clock::now();
        const bool bareOpened = bareOpen();
        auto t2 = std::chrono::steady_clock::now();
        if (!bareOpened) return state.SkipWithError("the bare open failed");
        ours += seconds(t1 - t0);
        bare += seconds(t2 - t1);
    }
    app.db->Close();
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_open"] = 1000 * ours / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OpenCurrent)
    ->Arg(bench::size(10000))
    ->Arg(bench::size(100000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(200));

void BM_UpgradeConvert(benchmark::State& state) {
    const fs::path source = sourceDatabase(static_cast<int>(state.range(0)), false);
    Larderwise app;
    double ours = 0, bare = 0, peak = 0;
    for (auto _ : state) {
        placeDatabase(source);
        bench::resetPeakResident();
        auto t0 = std::chrono::steady_clock::now();
        openWithApplication(app);
        auto t1 = std::chrono::steady_clock::now();
        peak = std::max(peak, bench::peakResidentMB());
        app.db->Close();
        const std::string upgraded = upgradedContents();
        placeDatabase(source);
        auto t2 = std::chrono::steady_clock::now();
        const bool bareUpgraded = bareUpgrade();
        auto t3 = std::chrono::steady_clock::now();
        if (!bareUpgraded) return state.SkipWithError("the bare upgrade failed");
        if (upgraded.empty() || upgraded != upgradedContents())
            return state.SkipWithError("the upgrades leave different recipes");
        ours += seconds(t1 - t0);
        bare += seconds(t3 - t2);
    }
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["peak_rss_mb"] = peak;
}
BENCHMARK(BM_UpgradeConvert)->Arg(bench::size(10000))->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(2));
BENCHMARK(BM_UpgradeConvert)->Arg(bench::size(50000))->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    // Application Support is $XDG_DATA_HOME: the benchmark's own folder.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((benchFolder() / "data").string()));
    auto answering = std::make_unique<bench::AnsweringUi>();
    answering->dialogChoice = MessageDialogChoice::AlternateAction;  // the conversion's "&No"
    setUiService(std::move(answering));
    const int code = bench::runBenchmarks(argc, argv);
    Runtime::releaseWindows();  // the progress windows hold widgets: gone before the QApplication
    setUiService(nullptr);
    fs::remove_all(benchFolder());
    return code;
}
