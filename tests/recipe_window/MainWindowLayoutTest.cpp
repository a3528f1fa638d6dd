// The window as built and opened: its controls, its state after Open, the
// splitters' attachments, the locks at the size limits, closing.
#include <algorithm>

#include "app/Larderwise.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/menus/MenuItem.h"
#include "framework/runtime/Services.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/support/MainWindowFixture.h"

namespace {

std::vector<std::string> attachedNames(const SmartSplitter& s) {
    std::vector<std::string> names;
    for (const auto& a : s.attachedControls)
        if (RectControl* c = a.control.get()) names.push_back(c->Name());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

TEST_F(MainWindowTest, EveryControlIsFoundByNameAndOpenLeavesTheWindowReady) {
    start({recipe("Soup")});
    EXPECT_EQ(&Main(), &w());
    for (const char* name : {"SmartSplitter1", "AddRecipe", "recipeName", "recipeKeywords", "RecipeText", "StaticText3",
                             "SmartSplitter2", "recipeList", "deleteSelectedRecipe", "recipeCount", "recipePhoto",
                             "StaticText4", "recipeRating", "RecipeSearchCntl"})
        EXPECT_NE(w().findControl(name), nullptr) << name;
    EXPECT_EQ(w().control<MainWindow::RecipeSearchCntl>("RecipeSearchCntl"), w().searchControl);
    EXPECT_EQ(w().control<EditField>("Searchfield"), &w().Searchfield());

    EXPECT_EQ(std::string(w().Title), "Larderwise");
    EXPECT_EQ(w().searchWhere, "Everywhere");
    EXPECT_EQ(std::string(w().searchControl->SearchWhere), "Everywhere");
    EXPECT_TRUE(w().psetup);
    EXPECT_FALSE(w().recipeNameInvalid);
    EXPECT_EQ(w().Focus(), w().recipeList);
    EXPECT_EQ(w().SmartSplitter1->handleCount, 1);
    EXPECT_TRUE(w().SmartSplitter2->handleDimple && w().SmartSplitter2->handleLarge);
    EXPECT_EQ(std::string(w().recipeList->Heading(0)), "Recipes");
    EXPECT_EQ(std::string(w().recipeList->HelpTag).find('\r'), std::string::npos);
}

// A screen narrower than the window narrows it to the screen's width; a
// lower one leaves its height alone (its controls need it).
TEST_F(MainWindowTest, ANarrowScreenNarrowsTheWindowButNeverItsHeight) {
    services().screen = [](int32_t index) {
        ScreenInfo s;
        if (index == 0) s.Width = s.AvailableWidth = 700, s.Height = s.AvailableHeight = 400;
        return s;
    };
    start({recipe("Soup")});
    EXPECT_EQ(w().Width, 700);
    EXPECT_GT(w().Height, 400);
}

TEST_F(MainWindowTest, TheSplittersHoldTheirNeighboursAfterOpen) {
    start({recipe("Soup")});
    EXPECT_EQ(attachedNames(*w().SmartSplitter1),
              (std::vector<std::string>{"RecipeText", "StaticText3", "StaticText4", "recipeCount", "recipeKeywords",
                                        "recipeList", "recipeName", "recipePhoto"}));
    EXPECT_EQ(attachedNames(*w().SmartSplitter2),
              (std::vector<std::string>{"recipeKeywords", "recipeName", "recipePhoto"}));
}

TEST_F(MainWindowTest, LocksKeepTheirDistancesAtTheSmallestAndLargestSize) {
    start({recipe("Soup")});
    auto rightGap = [&](RectControl* c) { return w().Width - (c->Left + c->Width); };
    auto bottomGap = [&](RectControl* c) { return w().Height - (c->Top + c->Height); };
    const int32_t textRight = rightGap(w().RecipeText), textBottom = bottomGap(w().RecipeText);
    const int32_t searchRight = rightGap(w().searchControl), countBottom = bottomGap(w().recipeCount);
    const int32_t listTop = w().recipeList->Top, addBottom = bottomGap(w().AddRecipe);
    for (auto [width, height] : {std::pair{640, 200}, std::pair{3000, 2000}, std::pair{750, 445}}) {
        ui.resize(w(), width, height);
        ui.settle();
        EXPECT_EQ(rightGap(w().RecipeText), textRight) << width;
        EXPECT_EQ(bottomGap(w().RecipeText), textBottom) << width;
        EXPECT_EQ(rightGap(w().searchControl), searchRight) << width;
        EXPECT_EQ(bottomGap(w().recipeCount), countBottom) << width;
        EXPECT_EQ(bottomGap(w().AddRecipe), addBottom) << width;
        EXPECT_EQ(w().recipeList->Top, listTop) << width;
    }
}

TEST_F(MainWindowTest, KitchenModeIsOfferedOnlyWhileARowIsSelected) {
    start({recipe("Soup"), recipe("Stew")});
    MenuItem* kitchen = w().RecipeKitchenmode();
    ASSERT_NE(kitchen, nullptr);
    App().EnableMenuItems();
    EXPECT_TRUE(kitchen->Enabled);
    search("zzz");
    App().EnableMenuItems();
    EXPECT_FALSE(kitchen->Enabled);
    ui.key(w().Searchfield(), "\x08");
    ui.key(w().Searchfield(), "\x08");
    ui.key(w().Searchfield(), "\x08");
    ui.settle();
    App().EnableMenuItems();
    EXPECT_TRUE(kitchen->Enabled);
}

TEST_F(MainWindowTest, ClosingTheWindowQuitsAndKeepsTheEditInProgress) {
    start({recipe("Soup")});
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "hot");
    ui.chooseMenu("FileClose");
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
    EXPECT_EQ(value("select recipeKeywords from recipes"), "hot");
}

TEST_F(MainWindowTest, ClosingKeepsTheRecipeTextBeingTyped) {
    start({recipe("Soup", "", 0, "hot")});
    ui.setFocus(*w().RecipeText);
    w().RecipeText->SelStart = 3;
    ui.type(*w().RecipeText, "ter");
    w().Close();
    ui.settle();
    EXPECT_EQ(value("select recipeText from recipes"), "hotter");
    EXPECT_NE(value("select recipeRtfText from recipes").find("hotter"), std::string::npos);
}

TEST_F(MainWindowTest, QuittingKeepsTheNameBeingTyped) {
    start({recipe("Soup")});
    ui.setFocus(*w().recipeName);
    w().recipeName->SelStart = 4;
    ui.type(*w().recipeName, "y");
    quit();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(value("select recipeName from recipes"), "Soupy");
}

TEST_F(MainWindowTest, TheFormatMenuIsOfferedOnlyWhileTheRecipeTextHasTheFocus) {
    start({recipe("Soup")});
    MenuItem* format = w().FormatMenu();
    ASSERT_NE(format, nullptr);
    for (RectControl* c : std::initializer_list<RectControl*>{w().recipeName, w().RecipeText, w().recipeKeywords,
                                                              w().RecipeText, w().recipeList}) {
        ui.setFocus(*c);
        App().EnableMenuItems();
        EXPECT_EQ(format->Enabled, c == w().RecipeText) << c->Name();
    }
}
