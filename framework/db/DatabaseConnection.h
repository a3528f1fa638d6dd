#pragma once
// Framework-internal: one SQLite connection with the transaction and error
// rules of REALSQLDatabase. Shared between the database object and the
// record sets it hands out, so a record set can write its edits back and
// notices when its connection has been closed or reopened since.
//
// Rules (see docs/architecture/data-and-db.md):
// - journal_mode=DELETE and cache_spill=OFF: the file holds the last
//   committed state, so a plain copy is a consistent backup as long as no
//   other program writes the file meanwhile (whileNoOneWrites). Only
//   "vacuum", which rewrites the whole file and commits at once, lets its
//   cache spill, so its memory stays bounded however large the file is.
// - A statement that changes anything opens a transaction when none is
//   open; "commit"/"rollback" and commit()/rollback() end it and are silent
//   successes when none is open; "vacuum" commits a pending one first.
// - A call that fails changes nothing: work of the failing call is undone
//   (the whole transaction when the call opened it, else back to a savepoint
//   taken before its first change), and the connection stays usable.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/db/QueryResult.h"
#include "framework/db/SQLValue.h"

struct sqlite3;
struct sqlite3_stmt;
class RowStream;

class DatabaseConnection {
public:
    DatabaseConnection();
    ~DatabaseConnection();

    // Opens `path`; with `create` the file is made (and written at once)
    // when missing. Checks that the file really is a database.
    bool open(const std::string& path, bool create);
    // Rolls back what was never committed, then closes. Harmless when closed.
    void close();
    bool connected() const { return db_ != nullptr; }

    // Which file a connection holds: the path may come to name another (a
    // file renamed over it by a sync tool or a restore made by hand), while
    // the connection goes on reading the one it opened.
    struct FileIdentity {
        uint64_t device = 0, inode = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    // The file as found once open; nullopt when another took the path meanwhile.
    const std::optional<FileIdentity>& file() const { return file_; }
    // The path names another file than this connection holds, or none.
    bool fileReplaced() const;
    // Copies the database as this connection sees it into a new file at
    // `path` (which must not exist); false, with the error set, when it cannot.
    bool copyTo(const std::string& path);
    // Changes on every open, so record sets can tell a reopened connection.
    uint64_t generation() const { return generation_; }

    // Runs every statement of `sql`. `params` are bound to the text's only
    // statement. With `hiddenRowID` the last result column is taken as the
    // rows' rowids and left out of the columns. Returns the rows of the
    // last statement that has result columns (an empty result when none),
    // or nullopt on failure.
    std::optional<QueryResult> run(const std::string& sql, const std::vector<SQLValue>* params, bool hiddenRowID);
    // The same for statements that change nothing, abandoned as soon as
    // `giveUp` (asked every few thousand steps of the engine, so it must be
    // cheap) says true: then nullopt with abandoned() set. A statement text
    // that would change anything is refused before it runs, so no save or
    // commit can ever be cut short. The check ends with the call.
    std::optional<QueryResult> runUnless(const std::string& sql, const std::vector<SQLValue>* params,
                                         bool hiddenRowID, const std::function<bool()>& giveUp);
    // Runs like `run`, calling `tick` every few thousand steps of the engine:
    // a statement that takes seconds (a vacuum of a large file) lets the
    // program show it is at work. `tick` never stops the statement and must
    // not use this connection. The ticks end with the call.
    std::optional<QueryResult> runTicking(const std::string& sql, const std::function<void()>& tick);
    // Prepares only, to test a statement text; no effect, no error change.
    bool compiles(const std::string& sql) const;
    // Starts a one-statement select whose rows are then read one at a time;
    // `columns` receives its columns. Refuses a statement that changes
    // anything. nullptr on failure, with the error set.
    std::unique_ptr<RowStream> stream(const std::string& sql, QueryResult& columns);

    // How long a statement waits for another connection's lock before it
    // fails with SQLITE_BUSY; kept for later opens too.
    void setBusyTimeout(int32_t milliseconds);
    int32_t busyTimeout() const { return busyTimeout_; }
    // Reads the file through a memory map of up to `bytes` (0: by copying
    // pages, the default). Writes always go through the rollback journal.
    // Only a way of reading: it leaves the error alone, and where it fails
    // pages are copied as before. Every open starts without a map.
    void mapFile(int64_t bytes);
    bool commit();
    bool rollback();
    bool inTransaction() const;
    // Runs `work` under a read lock (or the lock of this connection's own
    // open transaction): false, with the error set, when another program is
    // writing the file and the lock cannot be had; else work's result.
    bool whileNoOneWrites(const std::function<bool()>& work);
    // The file's change counter as the read under way sees it: every commit
    // in rollback-journal mode bumps it, so two reads that give the same
    // number read the same committed state. Asked inside whileNoOneWrites;
    // nullopt when the header cannot be read.
    std::optional<uint32_t> changeCounter();
    int64_t lastRowID() const;
    // The column of the table sorts by its bytes (declared with no collation
    // or the BINARY one); false also when there is no such column.
    bool sortsByBytes(const std::string& table, const std::string& column);
    // Rows the last insert, update or delete statement changed.
    int64_t rowsChanged() const;
    // Rows changed through this connection since it opened, rolled back or not.
    int64_t totalChanges() const;

    bool error() const { return errorCode_ != 0; }
    // The last call failed only because its caller gave it up.
    bool abandoned() const { return abandoned_; }
    int32_t errorCode() const { return errorCode_ & 0xFF; }
    int32_t extendedErrorCode() const { return errorCode_; }
    const std::string& errorMessage() const { return errorMessage_; }
    void clearError();
    void setError(int32_t code, std::string message);

private:
    friend class RowStream;
    enum class Kind { Commit, Rollback, Vacuum, Other };
    static Kind classify(sqlite3_stmt* stmt);
    bool execute(const char* sql);
    bool vacuum(sqlite3_stmt* stmt);
    bool endTransaction(const char* statement);  // COMMIT or ROLLBACK, a no-op when none is open
    bool failNotConnected();  // internal statements; sets the error on failure
    bool bindAll(sqlite3_stmt* stmt, const std::vector<SQLValue>& params);
    static void readColumns(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID);
    static void readRow(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID);
    class CallScope;
    void failFromEngine();

    sqlite3* db_ = nullptr;
    uint64_t generation_ = 0;
    std::optional<FileIdentity> file_;
    int32_t busyTimeout_;
    int64_t mapBytes_ = 0;
    int32_t errorCode_ = 0;
    std::string errorMessage_;
    const std::function<bool()>* giveUp_ = nullptr;  // set only during runUnless
    bool gaveUp_ = false;                            // giveUp_ said true
    bool abandoned_ = false;
};
