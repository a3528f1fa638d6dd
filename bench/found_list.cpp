// The main window's found list over 10,000 and 100,000 recipes of about
// 2 KB plain text and 5 KB RTF each, against the bare SQLite statement over
// the same rows in the same run (BareSqlite.h). The program reads every list
// in parts on mapped connections, so the bare side is the same statement
// split over as many mapped connections and threads as the CPUs the process
// may use (BareSplitSearch), whatever number of parts the program chose;
// one mapped connection alone is given beside it ("ratio_to_one_thread").
// "ratio_to_bare" is ours divided by bare.
//
//   BM_UpdateFoundList/N/kind   updateFoundList end to end (query, list in one
//                               reset, first row selected and its recipe loaded);
//                               kind 0 empty search, 1 Everywhere without a match,
//                               2 Everywhere matching every recipe, 3 keywords
//                               scope without a match
//   BM_SearchKeystroke/N        one keystroke in the search field to idle
//   BM_StartUpAfterDelete/N     a start-up after one recipe was deleted against one
//                               without free pages, and against a bare open and
//                               list statement; peak memory of each
//   BM_SearchSwap/N             a search whose list replaces a list of every recipe
//                               (realistic recipes): the longest single turn of the
//                               event loop from the key to the list and its first
//                               recipe shown, and resident memory once idle
//   BM_NameFieldLeave/N         leaving the name field for another field of the
//                               active window: save, commit and refill
//   BM_UpdateFoundListSorted/N  the same with the list sorted by its heading
//   BM_StartUp/N                open the database, build and open the window
//                               until the list is filled; peak memory in MB,
//                               anonymous and file-backed apart; fails when the
//                               anonymous peak passes 100 MB
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/db/BackgroundSelect.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/SplitSelect.h"
#include "framework/runtime/WorkerPool.h"
#include "framework/ui/WindowList.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"

#include "bench/BareSqlite.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "bench/RealisticRecipes.h"
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

// The statement alone on one bare connection. Every row stepped, both
// columns read; the rows are counted into `rows` when given.
double bareSeconds(bench::BareSqlite& bare, const RecipeStatement& statement, int64_t* rows = nullptr) {
    auto t0 = std::chrono::steady_clock::now();
    sqlite3_stmt* stmt = bare.statement(statement.sql);
    if (stmt && !statement.values.empty()) {
        const std::string text = statement.values[0].StringValue();
        sqlite3_bind_text(stmt, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    int64_t sum = 0, count = 0;
    bare.each(stmt, [&](sqlite3_stmt* row) {
        sum += sqlite3_column_bytes(row, 0);
        sum += sqlite3_column_int64(row, 1);
        ++count;
    });
    benchmark::DoNotOptimize(sum);
    if (rows) *rows = count;
    return seconds(std::chrono::steady_clock::now() - t0);
}

// The found list's statement for `text` in `scope`, split as the program
// splits it, on the bare connections of every CPU the process may use (or
// the first `parts`); the rows are counted into `rows`. In one part it is
// the whole statement, as the program reads it then.
double bareSplitSeconds(bench::BareSplitSearch& bare, const std::string& scope, const std::string& text,
                        int64_t& rows, size_t parts = 0) {
    const RecipeStatement statement = foundListStatement(scope, text);
    if ((parts == 0 ? bare.parts() : parts) == 1) return bareSeconds(bare.first(), statement, &rows);
    const std::string partSql = foundListSplit(scope, text).partSql;
    const std::string bound = statement.values.empty() ? std::string() : statement.values[0].StringValue();
    auto t0 = std::chrono::steady_clock::now();
    rows = static_cast<int64_t>(bare.read(partSql, bound, parts).size());
    return seconds(std::chrono::steady_clock::now() - t0);
}

// The application object and the window over one database size at a time,
// with the bare connections to the same file, all read through a memory map
// as the program's lists are: one alone, and one for each CPU.
struct Session {
    std::unique_ptr<Larderwise> app;
    std::unique_ptr<bench::BareSqlite> bareMapped;
    std::unique_ptr<bench::BareSplitSearch> bareSplit;  // on every CPU the process may use
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
            WindowList::activate(Main());  // the user works in it
            bareMapped = std::make_unique<bench::BareSqlite>(liveFile().string(), true);
            bareSplit = std::make_unique<bench::BareSplitSearch>(liveFile().string(), usableCores());
            size = n;
        }
        return Main();
    }
    void close() {
        bareMapped.reset();
        bareSplit.reset();
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

// Turns the event loop for `wait`, as an idle program does.
void idleFor(std::chrono::milliseconds wait) {
    const auto until = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < until) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void BM_StartUp(benchmark::State& state) {
    session().close();
    const int n = static_cast<int>(state.range(0));
    sourceDatabase(n);
    double total = 0;
    bench::resetPeakResident();
    bench::ResidentPeaks peaks;
    for (auto _ : state) {
        session().close();
        Session::place(n);
        auto t0 = std::chrono::steady_clock::now();
        session().open(n, true);
        total += seconds(std::chrono::steady_clock::now() - t0);
        idleFor(std::chrono::milliseconds(600));  // until the search's connections have closed
    }
    const bench::Resident peak = peaks.stop();
    state.counters["ms_to_filled_list"] = 1000 * total / static_cast<double>(state.iterations());
    state.counters["peak_rss_mb"] = bench::peakResidentMB();
    state.counters["peak_anon_mb"] = peak.anonymous;
    state.counters["peak_file_mb"] = peak.file;
    state.counters["settled_anon_mb"] = bench::residentNow().anonymous;
    if (n >= 100000 && peak.anonymous >= 100) state.SkipWithError("the start-up's anonymous peak passed 100 MB");
}
// Registered first, so the peak memory is the start-up's and not a later benchmark's.
BENCHMARK(BM_StartUp)->Arg(bench::size(100000))->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

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

// What a start-up needs at the least: the connections opened with the
// program's pragmas (one mapped for each CPU, as the program reads its list)
// and the list of every name read on them.
double bareStartSeconds() {
    auto t0 = std::chrono::steady_clock::now();
    bench::BareSplitSearch bare(liveFile().string(), usableCores());
    int64_t rows = 0;
    bareSplitSeconds(bare, "Everywhere", "", rows);
    return seconds(std::chrono::steady_clock::now() - t0);
}

// A start-up after recipes were deleted against a start-up of the same
// database without free pages, and each against the bare open and list
// statement. Peak memory of each path separately. The second argument: 0
// one recipe deleted, 1 every third recipe (the start then compacts).
void BM_StartUpAfterDelete(benchmark::State& state) {
    session().close();
    const int n = static_cast<int>(state.range(0));
    sourceDatabase(n);
    double afterDelete = 0, plain = 0, bare = 0, peakAfterDelete = 0, peakPlain = 0, anonAfterDelete = 0,
           anonPlain = 0;
    for (auto _ : state) {
        for (const bool deleted : {true, false}) {
            session().close();
            Session::place(n);
            if (deleted) deleteRecipes(state.range(1) == 1);
            bench::resetPeakResident();
            bench::ResidentPeaks peaks;
            auto t0 = std::chrono::steady_clock::now();
            session().open(n, true);
            const double took = seconds(std::chrono::steady_clock::now() - t0);
            (deleted ? afterDelete : plain) += took;
            double& peak = deleted ? peakAfterDelete : peakPlain;
            peak = std::max(peak, bench::peakResidentMB());
            double& anon = deleted ? anonAfterDelete : anonPlain;
            anon = std::max(anon, peaks.stop().anonymous);
        }
        bare += bareStartSeconds();
    }
    session().close();
    const double runs = static_cast<double>(state.iterations());
    state.counters["after_delete_over_plain"] = afterDelete / plain;
    state.counters["ratio_to_bare"] = afterDelete / bare;
    state.counters["ms_after_delete"] = 1000 * afterDelete / runs;
    state.counters["ms_plain"] = 1000 * plain / runs;
    state.counters["peak_rss_mb_after_delete"] = peakAfterDelete;
    state.counters["peak_rss_mb_plain"] = peakPlain;
    state.counters["peak_anon_mb_after_delete"] = anonAfterDelete;
    state.counters["peak_anon_mb_plain"] = anonPlain;
}
BENCHMARK(BM_StartUpAfterDelete)
    ->ArgsProduct({{bench::size(10000), bench::size(100000)}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(2));

const char* const kScopes[] = {"Everywhere", "Everywhere", "Everywhere", "RecipeKeywords"};
const char* const kTexts[] = {"", "zzqq", "pasta", "zzqq"};

void BM_UpdateFoundList(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    const int kind = static_cast<int>(state.range(1));
    w.searchWhere = kScopes[kind];
    const RecipeStatement statement = foundListStatement(w.searchWhere, kTexts[kind]);
    double ours = 0, bare = 0, oneThread = 0;
    int64_t bareRows = 0, wholeRows = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        w.updateFoundList(0, kTexts[kind]);
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSplitSeconds(*session().bareSplit, w.searchWhere, kTexts[kind], bareRows);
        oneThread += bareSeconds(*session().bareMapped, statement, &wholeRows);
    }
    if (!session().bareSplit->ok() || !session().bareMapped->ok()) state.SkipWithError("the bare statement failed");
    else if (w.recipeList->ListCount() != bareRows || bareRows != wholeRows)
        state.SkipWithError("the list and the bare statement differ");
    state.counters["rows"] = w.recipeList->ListCount();
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ratio_to_one_thread"] = ours / oneThread;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
    state.counters["ms_bare"] = 1000 * bare / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UpdateFoundList)
    ->ArgsProduct({{bench::size(10000), bench::size(100000)}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(10));

// Typing alternates between two texts so every keystroke changes the search.
// The loop waits for the search's rows rather than spin, so on one CPU it
// does not take turns with the search it waits for.
void BM_SearchKeystroke(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.searchControl->SearchWhere = std::string("Everywhere");
    const std::string texts[] = {"pasta 1", "pasta 12"};
    double ours = 0, bare = 0, oneThread = 0;
    int64_t splitRows = 0, wholeRows = 0;
    int i = 0;
    for (auto _ : state) {
        const std::string& text = texts[i++ % 2];
        auto t0 = std::chrono::steady_clock::now();
        w.Searchfield().Text = text;
        // The search reads on its own thread and shows its list through the loop.
        QApplication::processEvents();
        while (BackgroundSelect::AnyPending()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSplitSeconds(*session().bareSplit, "Everywhere", text, splitRows);
        oneThread += bareSeconds(*session().bareMapped, foundListStatement("Everywhere", text), &wholeRows);
    }
    if (!session().bareMapped->ok() || !session().bareSplit->ok()) state.SkipWithError("the bare statement failed");
    else if (splitRows != wholeRows || w.recipeList->ListCount() != wholeRows)
        state.SkipWithError("the list, the split and the whole bare statement differ");
    const double runs = static_cast<double>(state.iterations());
    state.counters["parts"] = static_cast<double>(partsToReadIn());
    state.counters["cpus"] = static_cast<double>(session().bareSplit->parts());
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ratio_to_one_thread"] = ours / oneThread;
    state.counters["ms_over_bare"] = 1000 * (ours - bare) / runs;
    state.counters["ms_bare"] = 1000 * bare / runs;
}
BENCHMARK(BM_SearchKeystroke)
    ->Arg(bench::size(10000))
    ->Arg(bench::size(100000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(6));


// The user renames the shown recipe and moves on to the keywords in the
// same (active) window: the name is stored and the list refilled. In an
// inactive window the name would be stored in place, without a refill.
void BM_NameFieldLeave(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.Searchfield().Text = std::string();
    double ours = 0, bare = 0;
    int64_t bareRows = 0;
    std::string name;
    int i = 0;
    for (auto _ : state) {
        w.recipeName->SetFocus();
        name = "Recipe renamed " + std::to_string(i++);
        w.recipeName->Text = name;
        auto t0 = std::chrono::steady_clock::now();
        w.recipeKeywords->SetFocus();
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSplitSeconds(*session().bareSplit, "Everywhere", "", bareRows);
    }
    const int32_t row = w.recipeList->ListIndex;
    if (!w.isActive()) state.SkipWithError("the window is not active: the name is stored in place, not refilled");
    else if (row < 0 || w.recipeList->Cell(row, 0) != name || w.recipeList->ListCount() != bareRows)
        state.SkipWithError("the list was not refilled with the new name");
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
    state.counters["ms_bare"] = 1000 * bare / static_cast<double>(state.iterations());
}
BENCHMARK(BM_NameFieldLeave)->Arg(bench::size(100000))->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(5));

// After the user sorted by the heading (here: descending), every refill is
// sorted the way the heading's mark shows.
void BM_UpdateFoundListSorted(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    w.searchWhere = "Everywhere";
    w.Searchfield().Text = std::string();
    w.recipeList->userPressedHeader(0);
    w.recipeList->userPressedHeader(0);
    double ours = 0, bare = 0;
    int64_t bareRows = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        w.updateFoundList(0, "");
        ours += seconds(std::chrono::steady_clock::now() - t0);
        bare += bareSplitSeconds(*session().bareSplit, "Everywhere", "", bareRows);
    }
    if (w.recipeList->ListCount() != bareRows) state.SkipWithError("the list and the bare statement differ");
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / static_cast<double>(state.iterations());
    state.counters["ms_bare"] = 1000 * bare / static_cast<double>(state.iterations());
    w.recipeList->SortedColumn = -1;  // the next benchmark's list in the query's order
    w.recipeList->HeadingIndex = -1;
}
BENCHMARK(BM_UpdateFoundListSorted)
    ->Arg(bench::size(100000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(5));

// A photo as a camera leaves one, JPEG at the quality of a user's export:
// a gradient under fine noise, about 40 KB.
std::string cameraLikePhoto() {
    QImage image(480, 360, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int noise = static_cast<int>(random() % 24);
            image.setPixel(x, y, qRgb((x * 255 / image.width() + noise) % 256, (y * 255 / image.height() + noise) % 256,
                                      (128 + noise) % 256));
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes.toStdString();
}

// A search whose list replaces a list of 100,000 rows (the empty text lists
// every recipe): the longest the event loop is held in one turn from the key
// until the list and its first recipe are shown, which a key typed meanwhile
// waits for. Realistic recipes, alternating between every recipe and a word
// that lists about half of them.
void BM_SearchSwap(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    session().close();
    bench::fillRealisticRecipes(liveFile(), n, cameraLikePhoto());
    MainWindow& w = session().open(n, true);
    w.searchWhere = "Everywhere";
    w.searchControl->SearchWhere = std::string("Everywhere");
    const std::string texts[] = {"vanilla", ""};
    double longest = 0;
    int i = 0;
    bench::ResidentPeaks peaks;
    for (auto _ : state) {
        w.Searchfield().Text = texts[i++ % 2];
        do {
            auto t0 = std::chrono::steady_clock::now();
            QApplication::processEvents();
            longest = std::max(longest, seconds(std::chrono::steady_clock::now() - t0));
        } while (BackgroundSelect::AnyPending());
    }
    state.counters["longest_turn_ms"] = 1000 * longest;
    const bench::Resident peak = peaks.stop();
    state.counters["peak_anon_mb"] = peak.anonymous;
    state.counters["peak_file_mb"] = peak.file;
    // Once the search's connections have closed (no select for a moment),
    // the memory of the lists replaced is back with the system.
    idleFor(std::chrono::milliseconds(800));
    const bench::Resident settled = bench::residentNow();
    state.counters["settled_rss_mb"] = settled.total;
    state.counters["settled_anon_mb"] = settled.anonymous;
    session().close();  // the next benchmark places its own recipes
}
BENCHMARK(BM_SearchSwap)->Arg(bench::size(100000))->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(8));

}  // namespace

// The bare searches for `text` over `file` (Everywhere, as the window
// writes it), printed as JSON, each the median of five warm runs: on one
// mapped connection, split over every CPU the process may use ("same
// cores"), and split over 1, 2, ... parts up to the program's cap on those
// CPUs ("by_parts_s"), which tells whether fewer parts would read sooner.
int bareSearchFigures(const std::string& file, const std::string& text) {
    const RecipeStatement statement = foundListStatement("Everywhere", text);
    const size_t cpus = usableCores();
    bench::BareSqlite one(file, true);
    bench::BareSplitSearch split(file, std::max(cpus, kMostParts));
    const size_t mostParts = std::min(cpus, kMostParts);
    std::vector<double> wholeTimes, splitTimes;
    std::vector<std::vector<double>> byParts(mostParts);
    int64_t wholeRows = 0, splitRows = 0, partRows = 0;
    bool same = true;
    for (int run = 0; run < 6; ++run) {
        const double whole = bareSeconds(one, statement, &wholeRows);
        const double parts = bareSplitSeconds(split, "Everywhere", text, splitRows, cpus);
        for (size_t count = 1; count <= mostParts; ++count) {
            const double took = bareSplitSeconds(split, "Everywhere", text, partRows, count);
            same = same && partRows == wholeRows;
            if (run > 0) byParts[count - 1].push_back(took);
        }
        if (run == 0) continue;  // warms the maps and the page cache
        wholeTimes.push_back(whole);
        splitTimes.push_back(parts);
    }
    if (!one.ok() || !split.ok() || wholeRows != splitRows || !same) return 1;
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::string byPartsText;
    for (const std::vector<double>& times : byParts)
        byPartsText += (byPartsText.empty() ? "" : ", ") + std::to_string(median(times));
    std::printf("{\"one_thread_s\": %.6f, \"same_cores_s\": %.6f, \"cpus\": %zu, \"parts\": %zu, "
                "\"by_parts_s\": [%s], \"rows\": %lld}\n",
                median(wholeTimes), median(splitTimes), cpus, partsToReadIn(), byPartsText.c_str(),
                static_cast<long long>(wholeRows));
    return 0;
}

// `--fill-realistic=FILE:N` writes the realistic recipes (RealisticRecipes.h)
// into FILE; `--bare-search=FILE:TEXT` prints the bare searches' times. Both
// exit after: the measures of the real window read the same data and divide
// by the same bare reads.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const std::string fill = "--fill-realistic=";
    if (argc == 2 && std::string(argv[1]).rfind(fill, 0) == 0) {
        const std::string given = std::string(argv[1]).substr(fill.size());
        const size_t colon = given.rfind(':');
        if (colon == std::string::npos) return 2;
        bench::fillRealisticRecipes(given.substr(0, colon), std::stoi(given.substr(colon + 1)), cameraLikePhoto());
        return 0;
    }
    const std::string search = "--bare-search=";
    if (argc == 2 && std::string(argv[1]).rfind(search, 0) == 0) {
        const std::string given = std::string(argv[1]).substr(search.size());
        const size_t colon = given.rfind(':');
        if (colon == std::string::npos) return 2;
        return bareSearchFigures(given.substr(0, colon), given.substr(colon + 1));
    }
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((benchFolder() / "data").string()));
    setUiService(std::make_unique<bench::AnsweringUi>());
    const int code = bench::runBenchmarks(argc, argv);
    session().close();
    setUiService(nullptr);
    fs::remove_all(benchFolder());
    return code;
}
