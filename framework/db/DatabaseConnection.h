#pragma once
// Framework-internal: one SQLite connection with the transaction and error
// rules of REALSQLDatabase. Shared between the database object and the
// record sets it hands out, so a record set can write its edits back and
// notices when its connection has been closed or reopened since.
//
// Rules (see docs/architecture/data-and-db.md):
// - journal_mode=DELETE and cache_spill=OFF: the file holds the last
//   committed state, so a plain copy is a consistent backup as long as no
//   other program writes the file meanwhile (whileNoOneWrites).
// - A statement that changes anything opens a transaction when none is
//   open; "commit"/"rollback" and commit()/rollback() end it and are silent
//   successes when none is open; "vacuum" commits a pending one first.
// - A call that fails changes nothing: work of the failing call is undone
//   (the whole transaction when the call opened it, else back to a savepoint
//   taken before its first change), and the connection stays usable.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/db/QueryResult.h"
#include "framework/db/SQLValue.h"

struct sqlite3;
struct sqlite3_stmt;

class DatabaseConnection {
public:
    ~DatabaseConnection();

    // Opens `path`; with `create` the file is made (and written at once)
    // when missing. Checks that the file really is a database.
    bool open(const std::string& path, bool create);
    // Rolls back what was never committed, then closes. Harmless when closed.
    void close();
    bool connected() const { return db_ != nullptr; }
    // Changes on every open, so record sets can tell a reopened connection.
    uint64_t generation() const { return generation_; }

    // Runs every statement of `sql`. `params` are bound to the text's only
    // statement. With `hiddenRowID` the last result column is taken as the
    // rows' rowids and left out of the columns. Returns the rows of the
    // last statement that has result columns (an empty result when none),
    // or nullopt on failure.
    std::optional<QueryResult> run(const std::string& sql, const std::vector<SQLValue>* params, bool hiddenRowID);
    // Prepares only, to test a statement text; no effect, no error change.
    bool compiles(const std::string& sql) const;

    bool commit();
    bool rollback();
    bool inTransaction() const;
    // Runs `work` under a read lock (none of this connection's own
    // transaction may be open): false, with the error set, when another
    // program is writing the file and the lock cannot be had; else work's
    // result.
    bool whileNoOneWrites(const std::function<bool()>& work);
    int64_t lastRowID() const;
    // Rows the last insert, update or delete statement changed.
    int64_t rowsChanged() const;

    bool error() const { return errorCode_ != 0; }
    int32_t errorCode() const { return errorCode_ & 0xFF; }
    int32_t extendedErrorCode() const { return errorCode_; }
    const std::string& errorMessage() const { return errorMessage_; }
    void clearError();
    void setError(int32_t code, std::string message);

private:
    enum class Kind { Commit, Rollback, Vacuum, Other };
    static Kind classify(sqlite3_stmt* stmt);
    bool execute(const char* sql);
    bool endTransaction(const char* statement);  // COMMIT or ROLLBACK, a no-op when none is open
    bool failNotConnected();  // internal statements; sets the error on failure
    bool bindAll(sqlite3_stmt* stmt, const std::vector<SQLValue>& params);
    static void readColumns(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID);
    static void readRow(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID);
    class CallScope;
    void failFromEngine();

    sqlite3* db_ = nullptr;
    uint64_t generation_ = 0;
    int32_t errorCode_ = 0;
    std::string errorMessage_;
};
