#include "tests/recipe_window/MainWindowFixture.h"

#include <filesystem>

#include "app/RecipesTable.h"
#include "app/Startup.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"

TestRecipe recipe(std::string name, std::string keywords, int rating, std::optional<std::string> text,
                  std::optional<std::string> rtf) {
    TestRecipe r;
    r.name = std::move(name);
    r.keywords = std::move(keywords);
    r.rating = rating;
    r.text = std::move(text);
    r.rtf = std::move(rtf);
    return r;
}

MainWindowTest::~MainWindowTest() { releaseGlobals(); }

std::string MainWindowTest::databasePath() const { return ui.folder("ApplicationData") + "/Larderwise/recipeDB.rsd"; }

void MainWindowTest::start(const std::vector<TestRecipe>& recipes, const std::string& createTable) {
    std::filesystem::create_directories(ui.folder("ApplicationData") + "/Larderwise");
    {
        REALSQLDatabase db;
        db.SetDatabaseFile(databasePath());
        ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
        db.SQLExecute(createTable.empty() ? RecipesTable::kCreate : createTable);
        ASSERT_FALSE(db.Error()) << db.ErrorMessage();
        for (const TestRecipe& r : recipes) {
            std::string rtf = r.rtf && r.rtf->empty() ? "{\\rtf1\\ansi " + r.text.value_or("") + "}" : r.rtf.value_or("");
            db.SQLExecute(
                "insert into recipes (rowID, recipeName, recipeKeywords, recipeRating, recipeText, recipeRtfText) "
                "values (?, ?, ?, ?, ?, ?)",
                {r.rowID ? Variant(*r.rowID) : Variant(), Variant(r.name), Variant(r.keywords), Variant(r.rating),
                 r.text ? Variant(*r.text) : Variant(), r.rtf ? Variant(rtf) : Variant()});
            ASSERT_FALSE(db.Error()) << db.ErrorMessage();
        }
        db.Commit();
        db.Close();
    }
    ui.start(larderwiseStartupSteps());
    ui.settle();
    ASSERT_TRUE(w().isShown());
    ui.activate(w());
}

void MainWindowTest::execute(const std::vector<std::string>& statements) const {
    REALSQLDatabase db;
    db.SetDatabaseFile(databasePath());
    ASSERT_TRUE(db.Connect()) << db.ErrorMessage();
    for (const std::string& sql : statements) {
        db.SQLExecute(sql);
        ASSERT_FALSE(db.Error()) << sql << ": " << db.ErrorMessage();
    }
    db.Commit();
    db.Close();
}

std::vector<Row> MainWindowTest::query(const std::string& sql) const {
    REALSQLDatabase db;
    db.SetDatabaseFile(databasePath());
    std::vector<Row> rows;
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
            row.push_back(f.IsNull() ? std::nullopt : std::optional<std::string>(f.StringValue()));
        }
        rows.push_back(std::move(row));
    }
    db.Close();
    return rows;
}

std::string MainWindowTest::value(const std::string& sql) const {
    std::vector<Row> rows = query(sql);
    if (rows.empty() || rows[0].empty()) return "no row";
    return rows[0][0].value_or("NULL");
}

std::vector<std::string> MainWindowTest::listedNames() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < w().recipeList->ListCount(); ++i) names.push_back(w().recipeList->List(i));
    return names;
}

void MainWindowTest::search(const std::string& text) { ui.type(w().Searchfield(), text); }

void MainWindowTest::chooseScope(const std::string& label) {
    ui.dialogs().expectPopUp(label);
    ui.click(*w().searchControl, 10, 19);
}

void MainWindowTest::quit() {
    ui.chooseMenu("FileQuit");
    ui.settle();
}
