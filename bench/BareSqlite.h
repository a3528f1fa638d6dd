#pragma once
// The baseline every benchmark measures the program against: the best the
// same work can be done with SQLite alone. One connection, opened once
// before the timed runs, with the pragmas the program sets on its own
// connection (and its memory map where the program reads through one), each
// statement prepared once and reused, plain SQL, none of the program's code.
// A baseline handicapped by a fresh connection per run or extra passes would
// make the program look faster than it is.
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace bench {

class BareSqlite {
public:
    // Opens the file read-write as the program does; with `mapped`, pages are
    // read through a memory map as the program's search reads them.
    explicit BareSqlite(const std::string& path, bool mapped = false) {
        ok_ = sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK;
        exec("PRAGMA journal_mode=DELETE");
        exec("PRAGMA cache_spill=OFF");
        if (mapped) exec("PRAGMA mmap_size=1099511627776");
    }
    ~BareSqlite() {
        for (auto& [sql, statement] : prepared_) sqlite3_finalize(statement);
        sqlite3_close(db_);
    }
    BareSqlite(const BareSqlite&) = delete;
    BareSqlite& operator=(const BareSqlite&) = delete;

    // False once anything failed: open, pragma, prepare or step.
    bool ok() const { return ok_; }

    bool exec(const char* sql) {
        ok_ = ok_ && db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
        return ok_;
    }

    // The statement for `sql`, prepared at its first use; reset, with its
    // bindings cleared. Null when it does not prepare.
    sqlite3_stmt* statement(const std::string& sql) {
        sqlite3_stmt*& statement = prepared_[sql];
        if (!statement && sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) ok_ = false;
        if (!statement) return nullptr;
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return statement;
    }

    // Steps the statement to its end, handing each row to `row`; false (and
    // not ok) when a step fails.
    template <typename Row>
    bool each(sqlite3_stmt* statement, Row&& row) {
        if (!statement) return false;
        int rc;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) row(statement);
        if (rc != SQLITE_DONE) ok_ = false;
        return rc == SQLITE_DONE;
    }

private:
    sqlite3* db_ = nullptr;
    bool ok_ = false;
    std::map<std::string, sqlite3_stmt*> prepared_;
};

// A select of (name, rowID) rows split into ranges of rowIDs on as many
// cores as the process may use: one mapped connection and thread a range,
// opened once, the parts' rows merged by the names' bytes, the earlier range
// first on a tie. The denominator for a select the program reads in parts,
// where one connection alone would compare several cores with one. The
// threads are started for each read, as plain code would; their start is
// a few microseconds of a read of thousands of rows.
class BareSplitSearch {
public:
    struct Row {
        std::string name;
        int64_t rowID = 0;
    };

    BareSplitSearch(const std::string& path, size_t parts) {
        for (size_t i = 0; i < std::max<size_t>(parts, 1); ++i)
            connections_.push_back(std::make_unique<BareSqlite>(path, true));
    }

    size_t parts() const { return connections_.size(); }
    BareSqlite& first() { return *connections_.front(); }
    bool ok() const {
        return std::all_of(connections_.begin(), connections_.end(), [](auto& c) { return c->ok(); });
    }

    // Runs `partSql` over each range side by side and merges the rows: the
    // text as ?1 and the range as ?2 and ?3, or without a text (empty) the
    // range as ?1 and ?2. `parts` of the connections (all when 0).
    std::vector<Row> read(const std::string& partSql, const std::string& text, size_t parts = 0) {
        BareSqlite& first = *connections_.front();
        int64_t least = 0, greatest = -1;
        first.each(first.statement("select (select rowID from recipes order by rowID limit 1), "
                                   "(select rowID from recipes order by rowID desc limit 1)"),
                   [&](sqlite3_stmt* row) {
                       least = sqlite3_column_int64(row, 0);
                       greatest = sqlite3_column_int64(row, 1);
                   });
        const size_t count = parts == 0 ? connections_.size() : std::min(parts, connections_.size());
        std::vector<std::vector<Row>> read(count);
        auto part = [&](size_t i) {
            const __int128 span = static_cast<__int128>(greatest) - least + 1;
            const int64_t from = static_cast<int64_t>(least + span * i / count);
            const int64_t to = static_cast<int64_t>(least + span * (i + 1) / count - 1);
            BareSqlite& connection = *connections_[i];
            sqlite3_stmt* statement = connection.statement(partSql);
            if (!statement) return;
            const int range = text.empty() ? 1 : 2;
            if (!text.empty())
                sqlite3_bind_text(statement, 1, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int64(statement, range, from);
            sqlite3_bind_int64(statement, range + 1, to);
            connection.each(statement, [&](sqlite3_stmt* row) {
                read[i].push_back({std::string(reinterpret_cast<const char*>(sqlite3_column_text(row, 0)),
                                               static_cast<size_t>(sqlite3_column_bytes(row, 0))),
                                   sqlite3_column_int64(row, 1)});
            });
        };
        std::vector<std::thread> others;
        for (size_t i = 1; i < count; ++i) others.emplace_back(part, i);
        part(0);
        for (std::thread& t : others) t.join();

        std::vector<Row> merged = std::move(read[0]);
        for (size_t i = 1; i < count; ++i) {
            std::vector<Row> next;
            next.reserve(merged.size() + read[i].size());
            // A stable merge by bytes: rows of the earlier ranges stay first.
            std::merge(merged.begin(), merged.end(), read[i].begin(), read[i].end(), std::back_inserter(next),
                       [](const Row& a, const Row& b) { return std::string_view(a.name) < std::string_view(b.name); });
            merged = std::move(next);
        }
        return merged;
    }

private:
    std::vector<std::unique_ptr<BareSqlite>> connections_;
};

}  // namespace bench
