#include "tests/utility_windows/MainWindowSupport.h"

#include <filesystem>

#include "app/RecipesTable.h"
#include "app/Startup.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"

MainWindowFixture::~MainWindowFixture() { releaseGlobals(); }

std::string MainWindowFixture::databasePath() const {
    return ui.folder("ApplicationData") + "/Larderwise/recipeDB.rsd";
}

void MainWindowFixture::startWithRecipe(const std::string& recipeText) {
    std::filesystem::create_directories(ui.folder("ApplicationData") + "/Larderwise");
    {
        REALSQLDatabase db;
        db.SetDatabaseFile(databasePath());
        ASSERT_TRUE(db.CreateDatabaseFile()) << db.ErrorMessage();
        db.SQLExecute(RecipesTable::kCreate);
        db.SQLExecute("insert into recipes (recipeName, recipeText, recipeRtfText) values ('Cake', ?, ?)",
                      {Variant(recipeText), Variant("{\\rtf1\\ansi " + recipeText + "}")});
        ASSERT_FALSE(db.Error()) << db.ErrorMessage();
        db.Commit();
        db.Close();
    }
    ui.start(larderwiseStartupSteps());
    ui.settle();
    ASSERT_TRUE(main().isShown());
    ui.activate(main());
    ASSERT_NE(main().recRowID, 0);
    text().Styled = true;
    text().Text = recipeText;
}

void MainWindowFixture::executeElsewhere(const std::string& sql) const {
    REALSQLDatabase db;
    db.SetDatabaseFile(databasePath());
    ASSERT_TRUE(db.Connect()) << db.ErrorMessage();
    db.SQLExecute(sql);
    ASSERT_FALSE(db.Error()) << sql << ": " << db.ErrorMessage();
    db.Commit();
    db.Close();
}

std::optional<std::string> MainWindowFixture::valueOf(const std::string& sql) const {
    REALSQLDatabase db;
    db.SetDatabaseFile(databasePath());
    if (!db.Connect()) return std::nullopt;
    std::optional<std::string> value;
    if (auto rs = db.SQLSelect(sql); rs && !rs->EOF_()) value = rs->IdxField(1).BlobValue();
    db.Close();
    return value;
}

void MainWindowFixture::userSelects(int32_t start, int32_t length) {
    text().SelStart = start;
    text().SelLength = length;
    main().RecipeText_SelChange();  // what the field raises for a user's selection
}
