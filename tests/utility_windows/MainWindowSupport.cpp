#include "tests/utility_windows/MainWindowSupport.h"

#include "tests/support/RecipeDatabase.h"

void MainWindowFixture::startWithRecipe(const std::string& recipeText) {
    makeDataFolder();
    ASSERT_NO_FATAL_FAILURE(
        buildCurrentDatabase(databasePath(), {{"Cake", recipeText, "{\\rtf1\\ansi " + recipeText + "}"}}));
    ASSERT_NO_FATAL_FAILURE(showMainWindow());
    ASSERT_NE(main().recRowID, 0);
    text().Styled = true;
    text().Text = recipeText;
}

std::optional<std::string> MainWindowFixture::valueOf(const std::string& sql) const {
    const Rows rows = selectRows(databasePath(), sql);
    if (rows.empty()) return std::nullopt;
    return rows[0][0].value_or("");  // NULL reads as the empty text
}

void MainWindowFixture::userSelects(int32_t start, int32_t length) {
    text().SelStart = start;
    text().SelLength = length;
    main().RecipeText_SelChange();  // what the field raises for a user's selection
}
