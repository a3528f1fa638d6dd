#pragma once
// Framework-internal: a select read one row at a time, for record sets that
// walk every recipe once (the export) and must not hold them all. The
// statement stays open until the stream is destroyed; a stream whose
// connection has been closed or reopened since reads nothing more.
#include <cstdint>

#include "framework/db/QueryResult.h"

class DatabaseConnection;
struct sqlite3_stmt;

class RowStream {
public:
    RowStream(DatabaseConnection& connection, sqlite3_stmt* statement);
    ~RowStream();
    RowStream(const RowStream&) = delete;
    RowStream& operator=(const RowStream&) = delete;

    // Replaces the rows of `row` with the next row of the select. False past
    // the last row and on failure; the connection's error tells them apart.
    bool next(QueryResult& row);

private:
    DatabaseConnection& connection_;
    sqlite3_stmt* statement_;
    uint64_t generation_;
    bool done_ = false;
};
