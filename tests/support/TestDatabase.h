#pragma once
// Database files of a test's own, written and read through connections of
// their own, apart from whatever connection the program under test holds:
// what the program stored is checked the way a later start would find it.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/data/Variant.h"

using Row = std::vector<std::optional<std::string>>;
using Rows = std::vector<Row>;

// A statement with the values bound to its `?`s.
struct BoundStatement {
    BoundStatement(const char* sql) : sql(sql) {}
    BoundStatement(std::string sql, std::vector<Variant> values = {}) : sql(std::move(sql)), values(std::move(values)) {}
    std::string sql;
    std::vector<Variant> values;
};

// Creates the database file anew and runs the statements on it, in order,
// then commits. A failing statement is a fatal failure of the test.
void createDatabase(const std::string& path, const std::vector<BoundStatement>& statements);
// Runs the statements on the database file and commits; the file must exist
// unless `createWhenMissing`.
void runStatements(const std::string& path, const std::vector<BoundStatement>& statements,
                   bool createWhenMissing = false);
// Every row of the select, NULL as nullopt, text and blobs as their bytes.
Rows selectRows(const std::string& path, const std::string& sql);

class REALSQLDatabase;

// Another program reading the database file: a read transaction held open on
// a connection of its own (BEGIN; SELECT ...) until release() or the end of
// its life. Meanwhile the program under test can read, but its commits wait
// out the busy timeout and fail with "database is locked".
class OtherProgramReading {
public:
    explicit OtherProgramReading(const std::string& path);
    ~OtherProgramReading();
    OtherProgramReading(const OtherProgramReading&) = delete;
    OtherProgramReading& operator=(const OtherProgramReading&) = delete;
    void release();

private:
    std::unique_ptr<REALSQLDatabase> db_;
};
