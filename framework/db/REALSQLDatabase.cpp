#include "framework/db/REALSQLDatabase.h"

#include <sqlite3.h>

#include "framework/db/EditableSelect.h"
#include "framework/db/RowStream.h"
#include "framework/files/FolderItem.h"

REALSQLDatabase::REALSQLDatabase() : connection_(std::make_shared<DatabaseConnection>()) {}

REALSQLDatabase::~REALSQLDatabase() { connection_->close(); }

void REALSQLDatabase::SetDatabaseFile(const std::shared_ptr<FolderItem>& file) {
    path_ = file ? file->AbsolutePath() : std::string();
}

std::shared_ptr<FolderItem> REALSQLDatabase::DatabaseFile() const {
    return path_.empty() ? nullptr : FolderItem::fromPath(path_);
}

bool REALSQLDatabase::CreateDatabaseFile() {
    connection_->close();
    return connection_->open(path_, true);
}

bool REALSQLDatabase::Connect() { return connection_->open(path_, false); }

void REALSQLDatabase::Close() { connection_->close(); }

bool REALSQLDatabase::IsConnected() const { return connection_->connected(); }

bool REALSQLDatabase::FileReplaced() const { return connection_->fileReplaced(); }

bool REALSQLDatabase::KeepAs(const std::string& path) {
    if (!connection_->copyTo(path)) return false;
    connection_->close();
    path_ = path;
    return connection_->open(path_, false);
}

std::optional<std::vector<SQLValue>> REALSQLDatabase::bindable(const std::vector<Variant>& values) {
    std::vector<SQLValue> out;
    out.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        std::optional<SQLValue> value = sqlValueFromVariant(values[i]);
        if (!value) {
            connection_->setError(SQLITE_MISMATCH,
                                  "Value " + std::to_string(i + 1) + " cannot be stored in a database.");
            return std::nullopt;
        }
        out.push_back(std::move(*value));
    }
    return out;
}

void REALSQLDatabase::SQLExecute(const std::string& sql) { connection_->run(sql, nullptr, false); }

void REALSQLDatabase::SQLExecute(const std::string& sql, const std::vector<Variant>& values) {
    if (auto bound = bindable(values)) connection_->run(sql, &*bound, false);
}

void REALSQLDatabase::SQLExecuteTicking(const std::string& sql, const std::function<void()>& tick) {
    connection_->runTicking(sql, tick);
}

std::shared_ptr<RecordSet> REALSQLDatabase::SQLSelect(const std::string& sql) { return select(sql, nullptr); }

std::shared_ptr<RecordSet> REALSQLDatabase::SQLSelect(const std::string& sql, const std::vector<Variant>& values) {
    return select(sql, &values);
}

std::shared_ptr<RecordSet> REALSQLDatabase::select(const std::string& sql, const std::vector<Variant>* values) {
    std::optional<std::vector<SQLValue>> bound;
    if (values && !(bound = bindable(*values))) return nullptr;
    const std::vector<SQLValue>* params = values ? &*bound : nullptr;
    // A plain select of one table also fetches the rowid, so its rows can be
    // edited. Should the rewritten text not compile (a view, a table
    // without rowid), the statement runs as written and is read-only.
    if (auto editable = makeEditableSelect(sql); editable && connection_->compiles(editable->sql)) {
        if (auto rows = connection_->run(editable->sql, params, true))
            return std::make_shared<RecordSet>(connection_, std::move(*rows), editable->table);
        return nullptr;
    }
    if (auto rows = connection_->run(sql, params, false))
        return std::make_shared<RecordSet>(connection_, std::move(*rows), "");
    return nullptr;
}

std::shared_ptr<RecordSet> REALSQLDatabase::SQLSelectRowByRow(const std::string& sql) {
    QueryResult columns;
    std::unique_ptr<RowStream> stream = connection_->stream(sql, columns);
    if (!stream) return nullptr;
    auto rows = std::make_shared<RecordSet>(connection_, std::move(columns), std::move(stream));
    return connection_->error() ? nullptr : rows;
}

void REALSQLDatabase::SetBusyTimeout(int32_t milliseconds) { connection_->setBusyTimeout(milliseconds); }

bool REALSQLDatabase::Busy() const {
    return connection_->errorCode() == SQLITE_BUSY || connection_->errorCode() == SQLITE_LOCKED;
}

void REALSQLDatabase::Commit() { connection_->commit(); }
void REALSQLDatabase::Rollback() { connection_->rollback(); }
bool REALSQLDatabase::InTransaction() const { return connection_->inTransaction(); }
bool REALSQLDatabase::WhileNoOneWrites(const std::function<bool()>& work) { return connection_->whileNoOneWrites(work); }
bool REALSQLDatabase::Error() const { return connection_->error(); }
int32_t REALSQLDatabase::ErrorCode() const { return connection_->errorCode(); }
int32_t REALSQLDatabase::ExtendedErrorCode() const { return connection_->extendedErrorCode(); }
std::string REALSQLDatabase::ErrorMessage() const { return connection_->errorMessage(); }
int64_t REALSQLDatabase::LastRowID() const { return connection_->lastRowID(); }
int64_t REALSQLDatabase::RowsChanged() const { return connection_->rowsChanged(); }
