#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"

namespace {

// Runs the statements on the open database, then commits and closes it.
void runAndClose(REALSQLDatabase& db, const std::vector<BoundStatement>& statements) {
    for (const BoundStatement& statement : statements) {
        // Without values the text may hold several statements joined with ";".
        if (statement.values.empty()) db.SQLExecute(statement.sql);
        else db.SQLExecute(statement.sql, statement.values);
        ASSERT_FALSE(db.Error()) << statement.sql << ": " << db.ErrorMessage();
    }
    db.Commit();
    db.Close();
}

}  // namespace

void createDatabase(const std::string& path, const std::vector<BoundStatement>& statements) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path);
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
    runAndClose(db, statements);
}

void runStatements(const std::string& path, const std::vector<BoundStatement>& statements, bool createWhenMissing) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path);
    const bool create = createWhenMissing && !std::filesystem::exists(path);
    ASSERT_TRUE(create ? db.CreateDatabaseFile() : db.Connect()) << db.ErrorMessage();
    runAndClose(db, statements);
}

Rows selectRows(const std::string& path, const std::string& sql) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path);
    Rows rows;
    if (!db.Connect()) {
        ADD_FAILURE() << db.ErrorMessage();
        return rows;
    }
    auto rs = db.SQLSelect(sql);
    if (!rs) {
        ADD_FAILURE() << sql << ": " << db.ErrorMessage();
        return rows;
    }
    for (; !rs->EOF_(); rs->MoveNext()) {
        Row row;
        for (int32_t i = 1; i <= rs->FieldCount(); ++i) {
            DatabaseField f = rs->IdxField(i);
            row.push_back(f.IsNull() ? std::nullopt : std::optional<std::string>(f.BlobValue()));
        }
        rows.push_back(std::move(row));
    }
    db.Close();
    return rows;
}

OtherProgramReading::OtherProgramReading(const std::string& path) : db_(std::make_unique<REALSQLDatabase>()) {
    db_->SetDatabaseFile(path);
    EXPECT_TRUE(db_->Connect()) << db_->ErrorMessage();
    db_->SQLExecute("begin");
    EXPECT_FALSE(db_->Error()) << db_->ErrorMessage();
    db_->SQLSelect("select count(*) from recipes");
    EXPECT_FALSE(db_->Error()) << db_->ErrorMessage();
}

OtherProgramReading::~OtherProgramReading() { release(); }

void OtherProgramReading::release() { db_->Close(); }
