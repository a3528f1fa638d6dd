#pragma once
// The recipe database connection: the old framework's REALSQLDatabase over
// SQLite. Every call sets Error / ErrorCode / ErrorMessage for itself; a
// failed statement changes nothing and leaves the connection usable; after
// Close every call fails cleanly until Connect. Transactions are implicit:
// the first change opens one, Commit / Rollback (or the statements "commit"
// and "rollback") end it, and Close rolls back what was never committed.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/data/Variant.h"
#include "framework/db/RecordSet.h"

class FolderItem;

class REALSQLDatabase {
public:
    REALSQLDatabase();
    ~REALSQLDatabase();
    REALSQLDatabase(const REALSQLDatabase&) = delete;
    REALSQLDatabase& operator=(const REALSQLDatabase&) = delete;

    // The database file; nullptr (or "") for none. Taking effect at the
    // next CreateDatabaseFile or Connect.
    void SetDatabaseFile(const std::shared_ptr<FolderItem>& file);
    std::shared_ptr<FolderItem> DatabaseFile() const;  // nullptr when none is set
    void SetDatabaseFile(const std::string& path) { path_ = path; }
    const std::string& DatabaseFilePath() const { return path_; }

    // Creates the file on disk at once (an existing database file is
    // opened as it is) and leaves it connected.
    bool CreateDatabaseFile();
    // Opens an existing file read-write without creating it and checks that
    // it is a database. On a connected database a harmless success.
    bool Connect();
    void Close();
    bool IsConnected() const;
    // Another program put another file at the database file's path (renamed
    // one over it, or removed it) since it was connected. The connection
    // still holds its file, but the engine writes it no more: its journal
    // would be named after the other file.
    bool FileReplaced() const;
    // Copies the file this connection holds, as committed, to a new file at
    // `path` and goes on connected to that copy. False, with Error set and
    // the connection as it was, when the copy cannot be made.
    bool KeepAs(const std::string& path);

    // Statement text as the product builds it; several statements may be
    // joined with ";".
    void SQLExecute(const std::string& sql);
    // nullptr when the statement fails.
    std::shared_ptr<RecordSet> SQLSelect(const std::string& sql);
    // The same with values bound to the "?" of a one-statement text, so no
    // value is ever read as SQL. Callers that report errors still show the
    // statement text they built.
    void SQLExecute(const std::string& sql, const std::vector<Variant>& values);
    // The same, calling `tick` every few thousand steps of the engine while
    // the statement runs (DatabaseConnection::runTicking).
    void SQLExecuteTicking(const std::string& sql, const std::function<void()>& tick);
    std::shared_ptr<RecordSet> SQLSelect(const std::string& sql, const std::vector<Variant>& values);
    // A select of one statement whose rows are read as the record set moves
    // forward, so memory stays flat however many rows there are. After the
    // walk, Error tells whether it ended early on a failure.
    std::shared_ptr<RecordSet> SQLSelectRowByRow(const std::string& sql);

    void Commit();
    void Rollback();
    bool InTransaction() const;
    // Runs `work` (a copy of the database file, say) while no other program
    // can write the file, so it holds one committed state throughout. False
    // with Error set when the file is being written by another program;
    // else work's result. This connection's own uncommitted changes are
    // not in the file.
    bool WhileNoOneWrites(const std::function<bool()>& work);

    // How long a statement waits for another program's lock on the file
    // before it fails "database is locked".
    static constexpr int32_t kDefaultBusyTimeout = 2000;  // milliseconds
    void SetBusyTimeout(int32_t milliseconds);

    bool Error() const;
    // The last call failed only because another connection holds the file.
    bool Busy() const;
    int32_t ErrorCode() const;          // SQLite's primary result code, 0 for success
    int32_t ExtendedErrorCode() const;  // SQLite's extended result code
    std::string ErrorMessage() const;
    int64_t LastRowID() const;
    // Rows changed by the last insert, update or delete that ran (a trigger's
    // own changes not counted): an update aimed at a row that is gone changes 0.
    int64_t RowsChanged() const;

private:
    friend class BackgroundSelect;  // reads the same file on a connection of its own
    std::shared_ptr<RecordSet> select(const std::string& sql, const std::vector<Variant>* values);
    std::optional<std::vector<SQLValue>> bindable(const std::vector<Variant>& values);

    std::string path_;
    std::shared_ptr<DatabaseConnection> connection_;
};

