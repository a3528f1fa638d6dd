// Refilling the recipe list: select name and rowID of every recipe in name
// order (the list's own statement) and walk the rows, through SQLSelect and a RecordSet, against the bare SQLite
// prepare/step loop doing the same work in the same run (BareSqlite.h). The counter
// "ratio_to_bare" is the record set's time divided by the bare loop's.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"

#include "bench/BareSqlite.h"
#include "bench/BenchMain.h"

namespace {

const int recipeCount = static_cast<int>(bench::size(100000));
const char* const selectSQL = "select recipeName,rowID from recipes order by recipeName";

std::string databasePath() {
    static const std::string path = [] {
        auto folder = std::filesystem::temp_directory_path() / ("larderwise-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder);
        std::string file = (folder / "recipeDB.rsd").string();
        REALSQLDatabase db;
        db.SetDatabaseFile(file);
        db.CreateDatabaseFile();
        db.SQLExecute(RecipesTable::kCreate);
        const std::string text(200, 'x');
        for (int i = 0; i < recipeCount; ++i)
            db.SQLExecute("insert into recipes (recipeName, recipeText, recipeRating) values (?, ?, ?)",
                          {"Recipe number " + std::to_string((i * 7919) % recipeCount), text, i % 6});
        db.Commit();
        return file;
    }();
    return path;
}

// The bare loop: what the list refill costs at the least.
size_t bareLoop(bench::BareSqlite& bare) {
    size_t work = 0;
    bare.each(bare.statement(selectSQL), [&](sqlite3_stmt* row) {
        std::string name(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)),
                         static_cast<size_t>(sqlite3_column_bytes(row, 0)));
        const int64_t rowID = sqlite3_column_int64(row, 1);
        work += name.size() + static_cast<size_t>(rowID & 1);
    });
    return work;
}

size_t recordSetLoop(REALSQLDatabase& db) {
    auto rs = db.SQLSelect(selectSQL);
    size_t work = 0;
    for (int i = 1; i <= rs->RecordCount(); ++i, rs->MoveNext()) {
        const std::string name = rs->Field("recipeName").StringValue();
        work += name.size() + static_cast<size_t>(rs->IdxField(2).Int64Value() & 1);
    }
    return work;
}

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_RecordSetSelect(benchmark::State& state) {
    REALSQLDatabase db;
    db.SetDatabaseFile(databasePath());
    db.Connect();
    bench::BareSqlite bare(databasePath());
    double recordSetTime = 0, bareTime = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(recordSetLoop(db));
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(bareLoop(bare));
        auto t2 = std::chrono::steady_clock::now();
        recordSetTime += seconds(t1 - t0);
        bareTime += seconds(t2 - t1);
        state.SetIterationTime(seconds(t1 - t0));
    }
    if (!bare.ok()) state.SkipWithError("the bare statement failed");
    state.counters["ratio_to_bare"] = recordSetTime / bareTime;
    state.counters["bare_ms"] = bareTime * 1000 / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * recipeCount);
}
BENCHMARK(BM_RecordSetSelect)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(bench::smokeRun() ? 0.01 : 2.0);

}  // namespace

int main(int argc, char** argv) {
    databasePath();  // build the data before any timing
    const int code = bench::runBenchmarks(argc, argv);
    std::filesystem::remove_all(std::filesystem::path(databasePath()).parent_path());
    return code;
}
