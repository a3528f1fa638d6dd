#include "framework/db/RowStream.h"

#include <sqlite3.h>

#include "framework/db/DatabaseConnection.h"

RowStream::RowStream(DatabaseConnection& connection, sqlite3_stmt* statement)
    : connection_(connection), statement_(statement), generation_(connection.generation()) {}

RowStream::~RowStream() { sqlite3_finalize(statement_); }

bool RowStream::next(QueryResult& row) {
    row.clearRows();
    connection_.clearError();
    if (done_) return false;
    if (connection_.generation() != generation_ || !connection_.connected()) {
        done_ = true;
        connection_.setError(SQLITE_MISUSE, "The database was closed since these rows were selected.");
        return false;
    }
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        DatabaseConnection::readRow(statement_, row, false);
        return true;
    }
    done_ = true;
    if (rc != SQLITE_DONE) connection_.setError(sqlite3_extended_errcode(sqlite3_db_handle(statement_)),
                                                sqlite3_errmsg(sqlite3_db_handle(statement_)));
    return false;
}
