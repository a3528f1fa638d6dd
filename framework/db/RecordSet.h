#pragma once
// The rows of a select, read in full when the select runs: the count is
// known at once, and writing to the same table while walking the rows
// cannot disturb the walk. A record set of a plain select of one table
// ("select * from recipes where rowID = 5") can be edited: it carries each
// row's rowid out of sight and Update writes the changed columns back by it,
// with bound values, through the connection's transaction rules.
//
// A record set read row by row (REALSQLDatabase::SQLSelectRowByRow) holds
// only its current row: it moves forward only, its RecordCount is -1, and a
// failure on the way ends it early with the database's error set.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/db/DatabaseConnection.h"
#include "framework/db/DatabaseField.h"

class RowStream;

class RecordSet {
public:
    RecordSet(std::shared_ptr<DatabaseConnection> connection, QueryResult rows, std::string editableTable);
    // Row by row: `columns` holds the columns, `stream` gives the rows.
    RecordSet(std::shared_ptr<DatabaseConnection> connection, QueryResult columns, std::unique_ptr<RowStream> stream);
    ~RecordSet();

    // True past the last row. (Named with an underscore because the C
    // library defines EOF as a macro.)
    bool EOF_() const { return current_ >= rows_.rowCount; }
    int32_t RecordCount() const { return stream_ ? -1 : static_cast<int32_t>(rows_.rowCount); }
    int32_t FieldCount() const { return static_cast<int32_t>(rows_.columns.size()); }
    void MoveNext();
    void MoveFirst();
    void MoveLast();
    // Releases the rows; afterwards the record set is at EOF and empty.
    void Close();

    // By column name, ignoring case; raises NilObjectException for a name
    // the select has no column of.
    DatabaseField Field(const std::string& name);
    // By column number from 1; raises OutOfBoundsException outside 1..FieldCount.
    DatabaseField IdxField(int32_t index);
    // The value at `row` (from 0) and `column` (from 1) of a record set read
    // in full, the current row left alone, so several threads may read one
    // at once; "" and 0 outside its rows and columns.
    std::string StringAt(int32_t row, int32_t column) const;
    int64_t Int64At(int32_t row, int32_t column) const;

    // Starts changing the current row. On a record set that cannot be
    // edited, or with no current row, it sets the database's error.
    void Edit();
    // Writes the changed columns of the current row; the database's error
    // tells the outcome. The record set shows the written values after it.
    void Update();
    // True between Edit and Update (or a move, which drops the changes).
    bool Editing() const { return editing_; }
    bool Editable() const { return !editableTable_.empty(); }

private:
    friend class DatabaseField;
    SQLRef cell(int32_t column) const;  // raises when there is no current row
    void set(int32_t column, SQLValue value);
    void dropEdit();
    bool refuseBackwards();  // true (with the error set) when read row by row

    std::shared_ptr<DatabaseConnection> connection_;
    uint64_t generation_;
    QueryResult rows_;
    std::string editableTable_;
    size_t current_ = 0;
    bool editing_ = false;
    std::map<int32_t, SQLValue> pending_;
    std::unique_ptr<RowStream> stream_;  // only when read row by row; after connection_, so it goes first
};
