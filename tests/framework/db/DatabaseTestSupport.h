#pragma once
// A fresh folder per test, and a second, independent connection to look at
// the file the way another program (or the next start) would.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "framework/db/REALSQLDatabase.h"

class DatabaseTest : public ::testing::Test {
protected:
    std::string path(const std::string& name = "recipeDB.rsd") const {
        return folder.path().toStdString() + "/" + name;
    }

    // A connected database holding a recipes table with the given names,
    // committed.
    std::unique_ptr<REALSQLDatabase> createRecipes(std::initializer_list<const char*> names) {
        auto db = std::make_unique<REALSQLDatabase>();
        db->SetDatabaseFile(path());
        EXPECT_TRUE(db->CreateDatabaseFile()) << db->ErrorMessage();
        db->SQLExecute(
            "create table recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
            "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)");
        for (const char* name : names)
            db->SQLExecute("insert into recipes (recipeName, recipeText) values (?, ?)", {name, "text"});
        db->Commit();
        EXPECT_FALSE(db->Error()) << db->ErrorMessage();
        return db;
    }

    // Reads one value with a separate connection; "" when the select fails.
    std::string peek(const std::string& sql) {
        REALSQLDatabase other;
        other.SetDatabaseFile(path());
        if (!other.Connect()) return "(no connection: " + other.ErrorMessage() + ")";
        auto rs = other.SQLSelect(sql);
        if (!rs) return "(failed: " + other.ErrorMessage() + ")";
        std::string out;
        for (; !rs->EOF_(); rs->MoveNext()) {
            if (!out.empty()) out += ",";
            out += rs->IdxField(1).StringValue();
        }
        return out;
    }

    QTemporaryDir folder;
};
