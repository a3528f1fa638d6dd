#include "framework/db/RecordSet.h"

#include <sqlite3.h>

#include "framework/db/RowStream.h"
#include "framework/db/SqlNames.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/text/Strings.h"

RecordSet::RecordSet(std::shared_ptr<DatabaseConnection> connection, QueryResult rows, std::string editableTable)
    : connection_(std::move(connection)),
      generation_(connection_->generation()),
      rows_(std::move(rows)),
      editableTable_(std::move(editableTable)) {}

RecordSet::RecordSet(std::shared_ptr<DatabaseConnection> connection, QueryResult columns,
                     std::unique_ptr<RowStream> stream)
    : connection_(std::move(connection)),
      generation_(connection_->generation()),
      rows_(std::move(columns)),
      stream_(std::move(stream)) {
    stream_->next(rows_);
}

RecordSet::~RecordSet() = default;

void RecordSet::MoveNext() {
    dropEdit();
    if (stream_) {
        stream_->next(rows_);  // at the end (or on failure) no row is left: EOF
        return;
    }
    if (current_ < rows_.rowCount) ++current_;
}

bool RecordSet::refuseBackwards() {
    if (!stream_) return false;
    connection_->setError(SQLITE_MISUSE, "A record set read row by row only moves forward.");
    return true;
}

void RecordSet::MoveFirst() {
    dropEdit();
    if (refuseBackwards()) return;
    current_ = 0;
}

void RecordSet::MoveLast() {
    dropEdit();
    if (refuseBackwards()) return;
    current_ = rows_.rowCount == 0 ? 0 : rows_.rowCount - 1;
}

void RecordSet::Close() {
    dropEdit();
    stream_.reset();
    rows_ = QueryResult();
    current_ = 0;
}

DatabaseField RecordSet::Field(const std::string& name) {
    for (size_t c = 0; c < rows_.columns.size(); ++c)
        if (StrEq(rows_.columns[c], name)) return DatabaseField(*this, static_cast<int32_t>(c));
    throw NilObjectException("The record set has no field \"" + name + "\".");
}

DatabaseField RecordSet::IdxField(int32_t index) {
    if (index < 1 || index > FieldCount()) throw OutOfBoundsException("Field index out of range.");
    return DatabaseField(*this, index - 1);
}

std::string RecordSet::StringAt(int32_t row, int32_t column) const {
    if (stream_ || row < 0 || row >= RecordCount() || column < 1 || column > FieldCount()) return {};
    return sqlValueString(rows_.at(static_cast<size_t>(row), static_cast<size_t>(column - 1)));
}

int64_t RecordSet::Int64At(int32_t row, int32_t column) const {
    if (stream_ || row < 0 || row >= RecordCount() || column < 1 || column > FieldCount()) return 0;
    return sqlValueInt64(rows_.at(static_cast<size_t>(row), static_cast<size_t>(column - 1)));
}

SQLRef RecordSet::cell(int32_t column) const {
    if (EOF_()) throw NilObjectException("The record set has no current row.");
    if (editing_) {
        auto changed = pending_.find(column);
        if (changed != pending_.end()) return sqlRef(changed->second);
    }
    return rows_.at(current_, static_cast<size_t>(column));
}

void RecordSet::Edit() {
    if (!Editable()) {
        connection_->setError(SQLITE_MISUSE, "This record set cannot be edited: it does not read one table plainly.");
        return;
    }
    if (EOF_()) {
        connection_->setError(SQLITE_MISUSE, "The record set has no current row to edit.");
        return;
    }
    connection_->clearError();
    pending_.clear();
    editing_ = true;
}

void RecordSet::set(int32_t column, SQLValue value) {
    if (!editing_) {
        connection_->setError(SQLITE_MISUSE, "Edit must be called before a field is changed.");
        return;
    }
    pending_[column] = std::move(value);
}

void RecordSet::Update() {
    if (!editing_) {
        connection_->setError(SQLITE_MISUSE, "Edit must be called before Update.");
        return;
    }
    if (connection_->generation() != generation_) {
        connection_->setError(SQLITE_MISUSE, "The database was closed since this record set was selected.");
        return;
    }
    if (pending_.empty()) {
        connection_->clearError();
        dropEdit();
        return;
    }
    std::string sql = "update " + quotedSqlName(editableTable_) + " set ";
    std::vector<SQLValue> values;
    for (const auto& [column, value] : pending_) {
        const std::string& origin = rows_.originColumns[static_cast<size_t>(column)];
        if (origin.empty() || !StrEq(rows_.originTables[static_cast<size_t>(column)], editableTable_)) {
            connection_->setError(SQLITE_MISUSE,
                                  "The field \"" + rows_.columns[static_cast<size_t>(column)] + "\" is not a column of the table.");
            return;
        }
        if (!values.empty()) sql += ", ";
        sql += quotedSqlName(origin) + " = ?";
        values.push_back(value);
    }
    sql += " where _rowid_ = ?";
    values.emplace_back(std::in_place_type<int64_t>, rows_.rowIDs[current_]);
    if (!connection_->run(sql, &values, false)) return;
    for (const auto& [column, value] : pending_) rows_.replace(current_, static_cast<size_t>(column), value);
    dropEdit();
}

void RecordSet::dropEdit() {
    editing_ = false;
    pending_.clear();
}
