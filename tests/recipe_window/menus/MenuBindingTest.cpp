// The main window's menu items: that the menu reaches their actions, and
// which it offers while which control has the focus.
#include <gmock/gmock.h>

#include "framework/menus/MenuItem.h"
#include "framework/ui/ImplicitWindows.h"
#include "tests/support/MainWindowFixture.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

namespace {

struct MenuBindingTest : MainWindowTest {
    // The menus as they stand after the enabling pass the next choice runs.
    MenuItem& item(const std::string& name) { return *w().MenuBar.get()->FindItem(name); }
    bool formatOffered() {
        ui.chooseMenu("NoSuchItem");  // runs the enabling pass only
        return item("FormatMenu").Enabled;
    }
};

// Every other item the window serves is chosen from the menu by the tests of
// what it does; printing and page setup are tested through their actions
// (tests/recipe_window/print), so here the menu must reach each: an item
// wired to the other's action shows the wrong dialog, which fails the test.
TEST_F(MenuBindingTest, PageSetupAndPrintEachShowTheirOwnDialog) {
    start({recipe("Cake")});
    ui.dialogs().expectPageSetup(std::nullopt);
    ui.chooseMenu("FilePageSetup");
    ui.dialogs().expectPrinterDialog(std::nullopt);
    ui.chooseMenu("FileAppkFilePrint");
}

TEST_F(MenuBindingTest, TheFormatMenuIsOfferedOnlyWhileTheRecipeTextHasTheFocus) {
    start({recipe("Cake")});
    ui.setFocus(*w().RecipeText);
    EXPECT_TRUE(formatOffered());
    ui.setFocus(*w().recipeName);
    EXPECT_FALSE(formatOffered());
    ui.setFocus(*w().recipeKeywords);
    EXPECT_FALSE(formatOffered());
    ui.setFocus(*w().recipeList);
    EXPECT_FALSE(formatOffered());
    ui.setFocus(w().Searchfield());
    EXPECT_FALSE(formatOffered());
    w().ClearFocus();
    EXPECT_FALSE(formatOffered());
}

// The menu bar shows the Format menu enabled or grey as the focus moves,
// before any menu is opened: a click on a grey title would open nothing.
TEST_F(MenuBindingTest, TheFormatMenuTitleFollowsTheFocusWithoutAMenuBeingOpened) {
    start({recipe("Cake")});
    ui.setFocus(*w().recipeName);
    ui.settle();
    EXPECT_FALSE(item("FormatMenu").Enabled);
    ui.click(*w().RecipeText, 20, 10);
    ui.settle();
    EXPECT_TRUE(item("FormatMenu").Enabled);
    ui.click(*w().recipeKeywords, 20, 10);
    ui.settle();
    EXPECT_FALSE(item("FormatMenu").Enabled);
}

TEST_F(MenuBindingTest, FormatShortcutsDoNothingOutsideTheRecipeText) {
    start({recipe("Cake", "", 0, std::string("Flour"))});
    ui.setFocus(*w().RecipeText);
    w().RecipeText->SelStart = 0;
    w().RecipeText->SelLength = 5;
    ui.setFocus(w().Searchfield());
    w().RecipeText->SelStart = 0;
    w().RecipeText->SelLength = 5;
    ui.chooseMenu("StyleBold");
    EXPECT_FALSE(StyledText(w().RecipeText->StyledText).StyleAt(0).Bold);
}

TEST_F(MenuBindingTest, KitchenModeIsOfferedOnlyWhileARecipeIsSelected) {
    start({recipe("Cake")});
    ui.chooseMenu("NoSuchItem");
    EXPECT_TRUE(item("RecipeKitchenmode").Enabled);
    w().recipeList->ListIndex = -1;
    ui.chooseMenu("RecipeKitchenmode");
    EXPECT_FALSE(item("RecipeKitchenmode").Enabled);
    EXPECT_EQ(ImplicitWindows::find(typeid(KitchenModeWindow)), nullptr);
}

TEST_F(MenuBindingTest, KitchenModeIsNotOfferedForAnEmptyCollection) {
    start({});
    ui.chooseMenu("RecipeKitchenmode");
    EXPECT_FALSE(item("RecipeKitchenmode").Enabled);
    EXPECT_EQ(ImplicitWindows::find(typeid(KitchenModeWindow)), nullptr);
}

TEST_F(MenuBindingTest, ItemsReachTheMainWindowOnlyWhileItIsInFront) {
    start({recipe("Cake")});
    RecipeUnitsWindow& converter = recipeUnits();
    converter.Show();
    ui.activate(converter);
    // Nothing here serves the export: no save dialog is shown.
    ui.chooseMenu("FileExportrecipes");
    ui.chooseMenu("FileClose");
    EXPECT_EQ(ImplicitWindows::find(typeid(RecipeUnitsWindow)), nullptr);
    EXPECT_TRUE(w().isShown());
    ui.activate(w());
    ui.dialogs().expectSaveFile(std::nullopt);
    ui.chooseMenu("FileExportrecipes");
}

}  // namespace
