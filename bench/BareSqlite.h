#pragma once
// The baseline every benchmark measures the program against: the best the
// same work can be done with SQLite alone. One connection, opened once
// before the timed runs, with the pragmas the program sets on its own
// connection (and its memory map where the program reads through one), each
// statement prepared once and reused, plain SQL, none of the program's code.
// A baseline handicapped by a fresh connection per run or extra passes would
// make the program look faster than it is.
#include <sqlite3.h>

#include <cstdint>
#include <map>
#include <string>

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

}  // namespace bench
