#include "tests/support/DatabaseLock.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

DatabaseLock::DatabaseLock(const std::string& path, Kind kind) {
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "cannot open " << path;
        return;
    }
    // A deferred transaction that has read holds its shared lock until it ends.
    const char* sql = kind == Kind::Read ? "BEGIN; SELECT count(*) FROM sqlite_schema;" : "BEGIN EXCLUSIVE;";
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot lock " << path << ": " << sqlite3_errmsg(db_);
}

DatabaseLock::~DatabaseLock() { release(); }

void DatabaseLock::release() {
    if (!db_) return;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
}
