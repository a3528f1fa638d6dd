#include "framework/db/DatabaseConnection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <memory>

#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RowStream.h"
#include "framework/text/Strings.h"

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

// The first words of a statement, upper-cased, comments and blanks skipped.
std::vector<std::string> leadingWords(const char* sql, size_t count) {
    std::vector<std::string> words;
    const char* p = sql;
    while (*p && words.size() < count) {
        if (*p == '-' && p[1] == '-') {
            while (*p && *p != '\n') ++p;
        } else if (*p == '/' && p[1] == '*') {
            p += 2;
            while (*p && !(*p == '*' && p[1] == '/')) ++p;
            if (*p) p += 2;
        } else if ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z')) {
            std::string word;
            while ((*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z') || *p == '_')
                word += static_cast<char>(*p >= 'a' ? *p - 32 : *p), ++p;
            words.push_back(word);
        } else if (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
            ++p;
        } else {
            break;
        }
    }
    return words;
}

}  // namespace

DatabaseConnection::DatabaseConnection() : busyTimeout_(REALSQLDatabase::kDefaultBusyTimeout) {}

DatabaseConnection::~DatabaseConnection() { close(); }

void DatabaseConnection::clearError() {
    errorCode_ = 0;
    abandoned_ = false;
    errorMessage_.clear();
}

void DatabaseConnection::setError(int32_t code, std::string message) {
    errorCode_ = code;
    abandoned_ = false;
    errorMessage_ = std::move(message);
}

void DatabaseConnection::failFromEngine() {
    const int code = sqlite3_extended_errcode(db_);
    setError(code == SQLITE_OK ? SQLITE_ERROR : code, sqlite3_errmsg(db_));
}

bool DatabaseConnection::execute(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    failFromEngine();
    return false;
}

bool DatabaseConnection::open(const std::string& path, bool create) {
    clearError();
    if (db_) return true;  // connecting a connected database is harmless
    if (path.empty()) {
        setError(SQLITE_MISUSE, "No database file was given.");
        return false;
    }
    // A connection is used by one thread at a time (the event loop, or a
    // search's reader), so it needs no locking of its own.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(path.c_str(), &handle, flags, nullptr) != SQLITE_OK) {
        setError(handle ? sqlite3_extended_errcode(handle) : SQLITE_NOMEM,
                 handle ? sqlite3_errmsg(handle) : "Out of memory.");
        sqlite3_close_v2(handle);
        return false;
    }
    db_ = handle;
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeout_);
    // Reading the schema is what tells a database from any other file.
    bool ok = execute("SELECT count(*) FROM sqlite_schema") && execute("PRAGMA journal_mode=DELETE") &&
              execute("PRAGMA cache_spill=OFF");
    // SQLite writes a new file lazily; the caller stamps it at once, so it
    // must be on disk now.
    if (ok && create) ok = execute("PRAGMA user_version=0");
    if (!ok) {
        const int32_t code = errorCode_;
        const std::string message = errorMessage_;
        sqlite3_close_v2(db_);
        db_ = nullptr;
        setError(code, message);
        return false;
    }
    ++generation_;
    mapBytes_ = 0;
    // The identity read by the path is the held file's only when the path
    // still names it afterwards.
    struct stat info {};
    file_.reset();
    if (::stat(path.c_str(), &info) == 0 && !fileReplaced())
        file_ = FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)};
    return true;
}

bool DatabaseConnection::fileReplaced() const {
    int moved = 0;
    return db_ && sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0;
}

bool DatabaseConnection::copyTo(const std::string& path) {
    if (!db_) return failNotConnected();
    clearError();
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0) {
        setError(SQLITE_CANTOPEN, "A file is in the way: " + path);
        return false;
    }
    sqlite3* copy = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", db_, "main");
        rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(copy);
        if (backup) {
            const int finished = sqlite3_backup_finish(backup);
            if (rc == SQLITE_DONE) rc = finished;
        }
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        setError(rc, copy ? sqlite3_errmsg(copy) : "Out of memory.");
        sqlite3_close_v2(copy);
        ::unlink(path.c_str());  // no half copy poses as the kept file
        return false;
    }
    sqlite3_close_v2(copy);
    return true;
}

void DatabaseConnection::close() {
    clearError();
    if (!db_) return;
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool DatabaseConnection::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

int64_t DatabaseConnection::lastRowID() const { return db_ ? sqlite3_last_insert_rowid(db_) : 0; }

int64_t DatabaseConnection::rowsChanged() const { return db_ ? sqlite3_changes64(db_) : 0; }

int64_t DatabaseConnection::totalChanges() const { return db_ ? sqlite3_total_changes64(db_) : 0; }

bool DatabaseConnection::compiles(const std::string& sql) const {
    if (!db_) return false;
    sqlite3_stmt* stmt = nullptr;
    const bool ok = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) == SQLITE_OK;
    sqlite3_finalize(stmt);
    return ok && stmt != nullptr;
}

std::unique_ptr<RowStream> DatabaseConnection::stream(const std::string& sql, QueryResult& columns) {
    clearError();
    if (!db_) {
        failNotConnected();
        return nullptr;
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, &tail) != SQLITE_OK) {
        failFromEngine();
        return nullptr;
    }
    Statement stmt(raw);
    if (!stmt || leadingWords(tail, 1).size() > 0 || sql.find('\0') != std::string::npos) {
        setError(SQLITE_MISUSE, "Rows are read one at a time from one select only.");
        return nullptr;
    }
    if (!sqlite3_stmt_readonly(stmt.get())) {
        setError(SQLITE_MISUSE, "Rows are read one at a time only from a statement that changes nothing.");
        return nullptr;
    }
    readColumns(stmt.get(), columns, false);
    return std::make_unique<RowStream>(*this, stmt.release());
}

void DatabaseConnection::setBusyTimeout(int32_t milliseconds) {
    busyTimeout_ = milliseconds;
    if (db_) sqlite3_busy_timeout(db_, milliseconds);
}

bool DatabaseConnection::sortsByBytes(const std::string& table, const std::string& column) {
    const char* collation = nullptr;
    if (!db_ || sqlite3_table_column_metadata(db_, "main", table.c_str(), column.c_str(), nullptr, &collation, nullptr,
                                              nullptr, nullptr) != SQLITE_OK)
        return false;
    return collation && sqlite3_stricmp(collation, "BINARY") == 0;
}

void DatabaseConnection::mapFile(int64_t bytes) {
    if (!db_ || bytes == mapBytes_) return;
    if (sqlite3_exec(db_, ("PRAGMA mmap_size=" + std::to_string(bytes)).c_str(), nullptr, nullptr, nullptr) ==
        SQLITE_OK)
        mapBytes_ = bytes;
}

bool DatabaseConnection::vacuum(sqlite3_stmt* stmt) {
    if (!execute("PRAGMA cache_spill=ON")) return false;
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_DONE) failFromEngine();
    const int32_t code = errorCode_;
    const std::string message = errorMessage_;
    // Back to a file that holds only committed pages, whatever the vacuum did.
    const bool restored = execute("PRAGMA cache_spill=OFF");
    if (rc != SQLITE_DONE) setError(code, message);
    return rc == SQLITE_DONE && restored;
}

bool DatabaseConnection::endTransaction(const char* statement) {
    if (!db_) return failNotConnected();
    clearError();
    return sqlite3_get_autocommit(db_) || execute(statement);
}

bool DatabaseConnection::commit() { return endTransaction("COMMIT"); }

bool DatabaseConnection::whileNoOneWrites(const std::function<bool()>& work) {
    if (!db_) return failNotConnected();
    clearError();
    // This connection's own open transaction has written, so it holds the
    // lock that keeps every other writer out; its work is not in the file.
    if (!sqlite3_get_autocommit(db_)) return work();
    // A read inside an explicit transaction keeps its shared lock until the
    // transaction ends; another program then cannot write the file, and one
    // in the middle of writing it makes this wait and then fail.
    if (!execute("BEGIN")) return false;
    if (!execute("SELECT count(*) FROM sqlite_schema")) {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return false;
    }
    const bool done = work();
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);  // ends a read: nothing to write
    return done;
}
std::optional<uint32_t> DatabaseConnection::changeCounter() {
    sqlite3_file* file = nullptr;
    if (!db_ || sqlite3_file_control(db_, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return std::nullopt;
    // Bytes 24 to 27 of the header, big-endian; read through the engine's own
    // file, so it is the file this connection holds, under the lock it holds.
    constexpr int kCounterOffset = 24;
    unsigned char bytes[4] = {};
    if (file->pMethods->xRead(file, bytes, sizeof bytes, kCounterOffset) != SQLITE_OK) return std::nullopt;
    return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | uint32_t{bytes[3]};
}

bool DatabaseConnection::rollback() { return endTransaction("ROLLBACK"); }

bool DatabaseConnection::failNotConnected() {
    setError(SQLITE_MISUSE, "The database is not connected.");
    return false;
}

DatabaseConnection::Kind DatabaseConnection::classify(sqlite3_stmt* stmt) {
    const std::vector<std::string> words = leadingWords(sqlite3_sql(stmt), 2);
    if (words.empty()) return Kind::Other;
    if (words[0] == "COMMIT" || words[0] == "END") return Kind::Commit;
    if (words[0] == "ROLLBACK") return words.size() > 1 && words[1] == "TO" ? Kind::Other : Kind::Rollback;
    if (words[0] == "VACUUM") return Kind::Vacuum;
    return Kind::Other;
}

bool DatabaseConnection::bindAll(sqlite3_stmt* stmt, const std::vector<SQLValue>& params) {
    if (static_cast<int>(params.size()) != sqlite3_bind_parameter_count(stmt)) {
        setError(SQLITE_RANGE, "The statement has " + std::to_string(sqlite3_bind_parameter_count(stmt)) +
                                   " parameters but " + std::to_string(params.size()) + " values were given.");
        return false;
    }
    for (size_t i = 0; i < params.size(); ++i) {
        const SQLRef value = sqlRef(params[i]);
        const int index = static_cast<int>(i) + 1;
        int rc = SQLITE_OK;
        switch (value.type) {
        case SQLType::Integer: rc = sqlite3_bind_int64(stmt, index, value.integer); break;
        case SQLType::Real: rc = sqlite3_bind_double(stmt, index, value.real); break;
        case SQLType::Text:
            rc = sqlite3_bind_text64(stmt, index, value.bytes.data(), value.bytes.size(), SQLITE_STATIC, SQLITE_UTF8);
            break;
        case SQLType::Blob:
            rc = sqlite3_bind_blob64(stmt, index, value.bytes.data(), value.bytes.size(), SQLITE_STATIC);
            break;
        case SQLType::Null: rc = sqlite3_bind_null(stmt, index); break;
        }
        if (rc != SQLITE_OK) {
            failFromEngine();
            return false;
        }
    }
    return true;
}

void DatabaseConnection::readRow(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID) {
    const int shown = static_cast<int>(result.columns.size());
    for (int c = 0; c < shown; ++c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER: result.appendInteger(sqlite3_column_int64(stmt, c)); break;
        case SQLITE_FLOAT: result.appendReal(sqlite3_column_double(stmt, c)); break;
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            result.appendBytes(SQLType::Text, text, static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
            break;
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, c));
            result.appendBytes(SQLType::Blob, data, static_cast<size_t>(sqlite3_column_bytes(stmt, c)));
            break;
        }
        default: result.appendNull(); break;
        }
    }
    if (hiddenRowID) result.rowIDs.push_back(sqlite3_column_int64(stmt, shown));
    ++result.rowCount;
}

// One call's share of the transaction rules: it opens the implicit
// transaction before the first change (or, inside an earlier transaction, a
// savepoint), and on failure undoes exactly the work of this call.
class DatabaseConnection::CallScope {
public:
    explicit CallScope(DatabaseConnection& connection) : c_(connection) {}

    bool beforeChange() {
        if (sqlite3_get_autocommit(c_.db_)) {
            if (!c_.execute("BEGIN")) return false;
            openedTransaction_ = true;
        } else if (!openedTransaction_ && !savepoint_) {
            if (!c_.execute("SAVEPOINT lw_call")) return false;
            savepoint_ = true;
        }
        return true;
    }

    // The statements "commit" and "rollback"; silent when none is open.
    bool endTransaction(bool commit) {
        if (!commit) savepoint_ = false;  // the rollback takes the savepoint with it
        if (!finish()) return false;
        openedTransaction_ = false;
        return sqlite3_get_autocommit(c_.db_) || c_.execute(commit ? "COMMIT" : "ROLLBACK");
    }

    bool finish() {
        if (!savepoint_) return true;
        savepoint_ = false;
        return c_.execute("RELEASE lw_call");
    }

    // Keeps the error of the failure while undoing.
    std::nullopt_t fail() {
        const int32_t code = c_.errorCode_;
        const std::string message = c_.errorMessage_;
        if (!sqlite3_get_autocommit(c_.db_)) {
            if (openedTransaction_) sqlite3_exec(c_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
            else if (savepoint_)
                sqlite3_exec(c_.db_, "ROLLBACK TO lw_call; RELEASE lw_call", nullptr, nullptr, nullptr);
        }
        c_.setError(code, message);
        return std::nullopt;
    }

private:
    DatabaseConnection& c_;
    bool openedTransaction_ = false;  // this call began the transaction it works in
    bool savepoint_ = false;          // this call works inside an earlier transaction
};

void DatabaseConnection::readColumns(sqlite3_stmt* stmt, QueryResult& result, bool hiddenRowID) {
    result = QueryResult();
    const int shown = sqlite3_column_count(stmt) - (hiddenRowID ? 1 : 0);
    for (int c = 0; c < shown; ++c) {
        const char* name = sqlite3_column_name(stmt, c);
        const char* origin = sqlite3_column_origin_name(stmt, c);
        const char* table = sqlite3_column_table_name(stmt, c);
        result.columns.emplace_back(name ? name : "");
        result.originColumns.emplace_back(origin ? origin : "");
        result.originTables.emplace_back(table ? table : "");
    }
}

std::optional<QueryResult> DatabaseConnection::run(const std::string& sql, const std::vector<SQLValue>* params,
                                                   bool hiddenRowID) {
    clearError();
    if (!db_) {
        failNotConnected();
        return std::nullopt;
    }
    if (sql.find('\0') != std::string::npos) {
        // The C API would stop at the NUL and run the statement cut short.
        setError(SQLITE_ERROR, "The statement holds a NUL character.");
        return std::nullopt;
    }

    CallScope scope(*this);
    QueryResult result;
    const char* tail = sql.c_str();
    const char* const end = tail + sql.size();
    int statements = 0;
    while (tail < end) {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &raw, &tail) != SQLITE_OK) {
            failFromEngine();
            return scope.fail();
        }
        Statement stmt(raw);
        if (!stmt) continue;  // blanks or a comment
        if (params && ++statements > 1) {
            setError(SQLITE_MISUSE, "Bound values need a statement text of one statement.");
            return scope.fail();
        }

        const Kind kind = classify(stmt.get());
        if (giveUp_ && (kind != Kind::Other || !sqlite3_stmt_readonly(stmt.get()))) {
            setError(SQLITE_MISUSE, "Only a statement that changes nothing may be abandoned.");
            return scope.fail();
        }
        if (kind == Kind::Commit || kind == Kind::Rollback) {
            if (!scope.endTransaction(kind == Kind::Commit)) return scope.fail();
            continue;
        }
        // VACUUM cannot run inside a transaction: what is pending is committed first.
        bool ready = true;
        if (kind == Kind::Vacuum) ready = scope.endTransaction(true);
        else if (!sqlite3_stmt_readonly(stmt.get())) ready = scope.beforeChange();
        if (!ready || (params && !bindAll(stmt.get(), *params))) return scope.fail();

        if (kind == Kind::Vacuum) {
            if (!vacuum(stmt.get())) return scope.fail();
            continue;
        }
        const bool hasColumns = sqlite3_column_count(stmt.get()) > 0;
        if (hasColumns) readColumns(stmt.get(), result, hiddenRowID);
        int rc;
        while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW)
            if (hasColumns) readRow(stmt.get(), result, hiddenRowID);
        if (rc != SQLITE_DONE) {
            if (gaveUp_ && rc == SQLITE_INTERRUPT) {
                setError(SQLITE_INTERRUPT, "The select was abandoned.");
                abandoned_ = true;
                return std::nullopt;  // it changed nothing, so there is nothing to undo
            }
            failFromEngine();
            return scope.fail();
        }
    }
    if (!scope.finish()) return scope.fail();
    return result;
}

// The engine asks every few thousand steps of its program; the answer true
// interrupts the statement, which for one that changes nothing leaves any
// open transaction as it was.
std::optional<QueryResult> DatabaseConnection::runUnless(const std::string& sql, const std::vector<SQLValue>* params,
                                                         bool hiddenRowID, const std::function<bool()>& giveUp) {
    if (!db_) return run(sql, params, hiddenRowID);
    constexpr int kStepsBetweenChecks = 4000;
    // Removed however the call ends, so no later statement can be given up.
    struct Check {
        DatabaseConnection& c;
        Check(DatabaseConnection& connection, const std::function<bool()>& giveUp) : c(connection) {
            c.giveUp_ = &giveUp;
            c.gaveUp_ = false;
            sqlite3_progress_handler(c.db_, kStepsBetweenChecks, &Check::ask, &c);
        }
        ~Check() {
            sqlite3_progress_handler(c.db_, 0, nullptr, nullptr);
            c.giveUp_ = nullptr;
            c.gaveUp_ = false;
        }
        // Remembers the answer, so an interruption is told from a fault.
        static int ask(void* connection) {
            auto& c = *static_cast<DatabaseConnection*>(connection);
            c.gaveUp_ = c.gaveUp_ || (*c.giveUp_)();
            return c.gaveUp_ ? 1 : 0;
        }
    } check(*this, giveUp);
    return run(sql, params, hiddenRowID);
}

std::optional<QueryResult> DatabaseConnection::runTicking(const std::string& sql, const std::function<void()>& tick) {
    if (!db_) return run(sql, nullptr, false);
    constexpr int kStepsBetweenTicks = 4000;
    struct Ticks {
        sqlite3* db;
        Ticks(sqlite3* connection, const std::function<void()>& tick) : db(connection) {
            sqlite3_progress_handler(db, kStepsBetweenTicks, &Ticks::call, const_cast<std::function<void()>*>(&tick));
        }
        ~Ticks() { sqlite3_progress_handler(db, 0, nullptr, nullptr); }
        static int call(void* tick) {
            (*static_cast<std::function<void()>*>(tick))();
            return 0;
        }
    } ticks(db_, tick);
    return run(sql, nullptr, false);
}
