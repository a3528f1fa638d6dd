// The recipe export over 10,000 and 100,000 recipes of about 2 KB plain text
// (with line breaks and tabs to filter) and 5 KB RTF each, against the bare
// SQLite statement (BareSqlite.h) writing the same lines with stdio in the
// same run, and against the sqlite3 shell writing the select with a TAB
// between columns ("ratio_to_sqlite3_shell", the shell's own process, texts
// unfiltered). "ratio_to_bare" is ours divided by bare; both files are compared byte for
// byte once per size, so the two sides do the same work.
//
//   BM_ExportRecipes/N   exportRecipes end to end: the save dialog's answer,
//                        the query, the lines, the atomic replace, type and
//                        creator, the closing message; with the peak resident
//                        memory of the export and of the bare statement
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/ui/Runtime.h"
#include "framework/runtime/Services.h"
#include "recipe_window/Main.h"

#include "bench/BareSqlite.h"
#include "bench/BenchMain.h"
#include "bench/BenchSupport.h"
#include "bench/RecipeFill.h"

namespace fs = std::filesystem;
using bench::benchFolder;
using bench::liveFile;

namespace {

fs::path ourExport() { return benchFolder() / "ours.txt"; }
fs::path bareExport() { return benchFolder() / "bare.txt"; }

bench::AnsweringUi* ui = nullptr;

// Random names, 2 KB text holding CRs, LFs, CR LFs and TABs, 5 KB RTF,
// keywords, ratings, no photos.
void buildDatabase(int n) { bench::fillRecipeDatabase(liveFile(), n, bench::RecipeText::CarriageReturnsAndTabs); }

double seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

// Appends `text` as the export writes it, whole runs at a time between the
// bytes it rewrites: TABs dropped, every paragraph break (LF, CR, or CR LF as
// one) as CR.
void appendFiltered(std::string& out, const unsigned char* text, int size) {
    const char* const bytes = reinterpret_cast<const char*>(text);
    int run = 0;
    for (int i = 0; i < size; ++i) {
        const char c = bytes[i];
        if (c != '\t' && c != '\r' && c != '\n') continue;
        out.append(bytes + run, static_cast<size_t>(i - run));
        run = i + 1;
        if (c == '\t' || (c == '\r' && i + 1 < size && bytes[i + 1] == '\n')) continue;
        out += '\r';
    }
    out.append(bytes + run, static_cast<size_t>(size - run));
}

const char* const kExportSelect = "select recipeName, recipeKeywords, recipeText from recipes order by recipeName";

// The statement alone on the bare connection (copied pages, as the export
// reads), each row written as the export writes it, the record ended by LF:
// the fastest plain loop, rows gathered in one buffer written in large blocks.
double bareSeconds(bench::BareSqlite& bare) {
    auto t0 = std::chrono::steady_clock::now();
    sqlite3_stmt* stmt = bare.statement(kExportSelect);
    std::FILE* out = std::fopen(bareExport().c_str(), "wb");
    if (!out) return 0;
    constexpr size_t kBlock = 1 << 20;
    std::string buffer;
    buffer.reserve(2 * kBlock);
    bool written = true;
    bare.each(stmt, [&](sqlite3_stmt* row) {
        for (int column = 0; column < 3; ++column) {
            if (column > 0) buffer += '\t';
            appendFiltered(buffer, sqlite3_column_text(row, column), sqlite3_column_bytes(row, column));
        }
        buffer += '\n';
        if (buffer.size() >= kBlock) {
            written = written && std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
            buffer.clear();
        }
    });
    written = written && std::fwrite(buffer.data(), 1, buffer.size(), out) == buffer.size();
    if (std::fclose(out) != 0 || !written) return 0;
    return seconds(std::chrono::steady_clock::now() - t0);
}

// The same select written by the sqlite3 shell with a TAB between columns
// (texts unfiltered): what a user gets from SQLite's own tool. Zero when the
// shell is missing or fails.
double shellSeconds() {
    const std::string command = "sqlite3 -separator \"$(printf '\\t')\" '" + liveFile().string() + "' '" +
                                kExportSelect + "' > '" + (benchFolder() / "shell.txt").string() + "' 2>/dev/null";
    auto t0 = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return 0;
    return seconds(std::chrono::steady_clock::now() - t0);
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct Session {
    std::unique_ptr<Larderwise> app;
    std::unique_ptr<bench::BareSqlite> bare;

    MainWindow& open(int n) {
        close();
        buildDatabase(n);
        app = std::make_unique<Larderwise>();
        app->db = std::make_shared<REALSQLDatabase>();
        app->openDatabase();
        Main().runOpenEvents();
        bare = std::make_unique<bench::BareSqlite>(liveFile().string());
        return Main();
    }
    void close() {
        bare.reset();
        if (!app) return;
        Runtime::releaseWindows();
        app->db->Close();
        app.reset();
    }
};

Session& session() {
    static Session s;
    return s;
}

void BM_ExportRecipes(benchmark::State& state) {
    MainWindow& w = session().open(static_cast<int>(state.range(0)));
    const int yieldsBefore = yieldCount();
    double ours = 0, bare = 0, shell = 0, peakOurs = 0, peakBare = 0;
    bool shellRan = true;
    for (auto _ : state) {
        bench::resetPeakResident();
        auto t0 = std::chrono::steady_clock::now();
        w.exportRecipes();
        ours += seconds(std::chrono::steady_clock::now() - t0);
        peakOurs = std::max(peakOurs, bench::peakResidentMB());
        bench::resetPeakResident();
        const double took = bareSeconds(*session().bare);
        if (took == 0) return state.SkipWithError("the bare export could not be written");
        bare += took;
        peakBare = std::max(peakBare, bench::peakResidentMB());
        const double shellTook = shellSeconds();
        shellRan = shellRan && shellTook > 0;
        shell += shellTook;
    }
    if (ui->lastMessage != "Recipe export complete.") state.SkipWithError(ui->lastMessage.c_str());
    else if (!session().bare->ok()) state.SkipWithError("the bare statement failed");
    else if (contents(ourExport()) != contents(bareExport())) state.SkipWithError("the exports differ");
    const double runs = static_cast<double>(state.iterations());
    state.counters["ratio_to_bare"] = ours / bare;
    state.counters["ms_ours"] = 1000 * ours / runs;
    state.counters["ms_bare"] = 1000 * bare / runs;
    if (shellRan) {
        state.counters["ratio_to_sqlite3_shell"] = ours / shell;
        state.counters["ms_sqlite3_shell"] = 1000 * shell / runs;
    }
    state.counters["yields_per_export"] = (yieldCount() - yieldsBefore) / runs;
    state.counters["peak_rss_mb"] = peakOurs;
    state.counters["peak_rss_mb_bare"] = peakBare;
    state.counters["file_mb"] = static_cast<double>(fs::file_size(ourExport())) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ExportRecipes)
    ->Arg(bench::size(10000))
    ->Arg(bench::size(100000))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(bench::iterations(5));

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((benchFolder() / "data").string()));
    auto service = std::make_unique<bench::AnsweringUi>();
    service->saveAnswer = ourExport().string();
    ui = service.get();
    setUiService(std::move(service));
    const int code = bench::runBenchmarks(argc, argv);
    session().close();
    setUiService(nullptr);
    fs::remove_all(benchFolder());
    return code;
}
