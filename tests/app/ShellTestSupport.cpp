#include "tests/app/ShellTestSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"

void buildDatabase(const std::string& path, const std::vector<std::string>& statements) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path);
    ASSERT_TRUE(fileExists(path) ? db.Connect() : db.CreateDatabaseFile()) << db.ErrorMessage();
    for (const std::string& sql : statements) {
        db.SQLExecute(sql);
        ASSERT_FALSE(db.Error()) << sql << ": " << db.ErrorMessage();
    }
    db.Commit();
    db.Close();
}

Rows query(const std::string& path, const std::string& sql) {
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
        std::vector<std::optional<std::string>> row;
        for (int32_t i = 1; i <= rs->FieldCount(); ++i) {
            DatabaseField f = rs->IdxField(i);
            row.push_back(f.IsNull() ? std::nullopt : std::optional<std::string>(f.BlobValue()));
        }
        rows.push_back(std::move(row));
    }
    db.Close();
    return rows;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

void buildCurrentDatabase(const std::string& path, const std::vector<RecipeRow>& recipes) {
    REALSQLDatabase db;
    db.SetDatabaseFile(path);
    ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
    db.SQLExecute(RecipesTable::kCreate);
    for (const RecipeRow& r : recipes) {
        db.SQLExecute("insert into recipes (recipeName, recipeText, recipeRtfText) values (?, ?, ?)",
                      {Variant(r.name), r.text ? Variant(*r.text) : Variant(), r.rtf ? Variant(*r.rtf) : Variant()});
        ASSERT_FALSE(db.Error()) << db.ErrorMessage();
    }
    db.Commit();
    db.Close();
}

ShellTest::~ShellTest() { releaseGlobals(); }

void ShellTest::makeDataFolder() const { std::filesystem::create_directories(dataFolder()); }

void ShellTest::startApp(const std::vector<std::string>& documents) {
    ui.start(larderwiseStartupSteps(), documents);
    ui.settle();
}

void ShellTest::quitApp() {
    ui.chooseMenu("FileQuit");
    ui.settle();
}

void ShellTest::expectDatabaseCreated() {
    ui.dialogs()
        .expectMessageDialogPressing(DatabaseMessages::missingFileQuestion(), DatabaseMessages::kCreateButton)
        .expectMsgBox(DatabaseMessages::kCreated);
}
