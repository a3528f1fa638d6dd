#include "tests/support/MainWindowFixture.h"

#include "app/RecipesTable.h"

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

void MainWindowTest::start(const std::vector<TestRecipe>& recipes, const std::string& createTable) {
    makeDataFolder();
    std::vector<BoundStatement> statements{createTable.empty() ? std::string(RecipesTable::kCreate) : createTable};
    for (const TestRecipe& r : recipes) {
        std::string rtf = r.rtf && r.rtf->empty() ? "{\\rtf1\\ansi " + r.text.value_or("") + "}" : r.rtf.value_or("");
        statements.emplace_back(
            "insert into recipes (rowID, recipeName, recipeKeywords, recipeRating, recipeText, recipeRtfText) "
            "values (?, ?, ?, ?, ?, ?)",
            std::vector<Variant>{r.rowID ? Variant(*r.rowID) : Variant(), Variant(r.name), Variant(r.keywords),
                                 Variant(r.rating), r.text ? Variant(*r.text) : Variant(), r.rtf ? Variant(rtf) : Variant()});
    }
    ASSERT_NO_FATAL_FAILURE(createDatabase(databasePath(), statements));
    showMainWindow();
}

void MainWindowTest::showMainWindow() {
    startApp();
    ASSERT_TRUE(w().isShown());
    ui.activate(w());
}

void MainWindowTest::execute(const std::vector<std::string>& statements) const {
    runStatements(databasePath(), std::vector<BoundStatement>(statements.begin(), statements.end()));
}

std::vector<Row> MainWindowTest::query(const std::string& sql) const { return selectRows(databasePath(), sql); }

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

void MainWindowTest::search(const std::string& text) {
    ui.type(w().Searchfield(), text);
    ui.settle();  // the search reads on its own thread
}

void MainWindowTest::chooseScope(const std::string& label) {
    ui.dialogs().expectPopUp(label);
    ui.click(*w().searchControl, 10, 19);
}

void MainWindowTest::quit() { quitApp(); }
