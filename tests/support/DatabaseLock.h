#pragma once
// Another program holding a lock on a database file, through a connection
// of its own: a reader in the middle of a transaction, or a writer with the
// file to itself (as a copy compacting it has). Held from construction
// until release() or destruction; release() may come from another thread.
#include <string>

struct sqlite3;

class DatabaseLock {
public:
    enum class Kind { Read, Exclusive };
    DatabaseLock(const std::string& path, Kind kind);
    ~DatabaseLock();
    DatabaseLock(const DatabaseLock&) = delete;
    DatabaseLock& operator=(const DatabaseLock&) = delete;

    void release();

private:
    sqlite3* db_ = nullptr;
};
