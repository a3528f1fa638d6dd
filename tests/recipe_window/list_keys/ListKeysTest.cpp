// The found list's keys as the user presses them: next and previous at the
// ends, the menu commands, type-ahead by ticks, Delete and Tab.
#include "framework/runtime/Services.h"
#include "tests/support/MainWindowFixture.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

using ::testing::_;
using ::testing::HasSubstr;

namespace {

// Listed in this order (SQLite's binary order puts capitals first).
const std::vector<TestRecipe> kThree = {recipe("Apple Tart"), recipe("Cake"), recipe("bread")};

class ListKeysTest : public MainWindowTest {
protected:
    DoubleClickListbox& list() { return *w().recipeList; }
    std::string shownName() { return w().recipeName->Text; }
    void press(const std::string& key, unsigned modifiers = UiDriver::None) { ui.key(list(), key, modifiers); }
};

const char* const kDown = "\x1F";
const char* const kUp = "\x1E";

}  // namespace

TEST_F(ListKeysTest, ArrowsAndBracketsWrapAtTheEndsAndShowTheRecipe) {
    start(kThree);
    list().ListIndex = 2;
    press(kDown);
    EXPECT_EQ(list().ListIndex, 0);
    EXPECT_EQ(shownName(), "Apple Tart");
    press(kUp);
    EXPECT_EQ(list().ListIndex, 2);
    EXPECT_EQ(shownName(), "bread");
    EXPECT_EQ(w().recRowID, 3);

    press("]", UiDriver::Command);
    EXPECT_EQ(list().ListIndex, 0);
    press("]", UiDriver::Command);
    EXPECT_EQ(list().ListIndex, 1);
    press("[", UiDriver::Command);
    press("[", UiDriver::Command);
    EXPECT_EQ(list().ListIndex, 2);
    EXPECT_EQ(shownName(), "bread");
    EXPECT_TRUE(w().lastKeyPressed.empty()) << "navigation keys are no type-ahead";
}

TEST_F(ListKeysTest, WithNoRowSelectedNextTakesTheFirstAndPreviousTheLast) {
    start(kThree);
    list().ListIndex = -1;
    press(kDown);
    EXPECT_EQ(list().ListIndex, 0);
    list().ListIndex = -1;
    press(kUp);
    EXPECT_EQ(list().ListIndex, 2);
    list().ListIndex = -1;
    EXPECT_FALSE(w()._RecipeNextRecipe_Action());
    EXPECT_EQ(list().ListIndex, 0);
    list().ListIndex = -1;
    EXPECT_FALSE(w()._RecipePreviousRecipe_Action());
    EXPECT_EQ(list().ListIndex, 2);
}

TEST_F(ListKeysTest, TheRecipeMenuCommandsMoveTheSelectionWrapping) {
    start(kThree);
    list().ListIndex = 2;
    ui.chooseMenu("RecipeNextRecipe");
    EXPECT_EQ(list().ListIndex, 0);
    EXPECT_EQ(shownName(), "Apple Tart");
    ui.chooseMenu("RecipePreviousRecipe");
    EXPECT_EQ(list().ListIndex, 2);
    EXPECT_EQ(shownName(), "bread");
}

TEST_F(ListKeysTest, OnAnEmptyListNothingIsSelected) {
    start(kThree);
    search("nothing like it");
    ASSERT_EQ(list().ListCount(), 0);
    press(kDown);
    press(kUp);
    ui.chooseMenu("RecipeNextRecipe");
    ui.chooseMenu("RecipePreviousRecipe");
    EXPECT_EQ(list().ListIndex, -1);
    EXPECT_EQ(w().recRowID, 0);
}

TEST_F(ListKeysTest, TypeAheadJoinsKeysUnderThirtyTicksApart) {
    start(kThree);
    press("B");
    ui.advanceTicks(29);
    press("R");
    EXPECT_EQ(w().lastKeyPressed, "BR");
    EXPECT_EQ(list().ListIndex, 2) << "case is ignored: bread";
    EXPECT_EQ(shownName(), "bread");

    ui.advanceTicks(30);
    press("c");
    EXPECT_EQ(w().lastKeyPressed, "c");
    EXPECT_EQ(shownName(), "Cake");
    EXPECT_EQ(w().lastKeyPressedAt, ui.ticks());
}

TEST_F(ListKeysTest, APrefixThatMatchesNothingEmptiesTheEditors) {
    start(kThree);
    press("c");
    press("x");
    EXPECT_EQ(w().lastKeyPressed, "cx");
    EXPECT_EQ(list().ListIndex, -1);
    EXPECT_EQ(w().recRowID, 0);
    EXPECT_EQ(shownName(), "");
    // Another quick key still extends the prefix, which never shrinks.
    press("\r");
    EXPECT_EQ(w().lastKeyPressed, "cx\r");
}

TEST_F(ListKeysTest, DeleteWithOrWithoutCommandAsksAndDeletesTheShownRecipe) {
    start(kThree);
    list().ListIndex = 1;
    ui.dialogs().expectMessageDialogPressing("Delete the recipe 'Cake'?", "&Delete Recipe");
    press("\x08", UiDriver::Command);
    EXPECT_EQ(value("select count(*) from recipes where recipeName = 'Cake'"), "0");
    ui.dialogs().expectMessageDialog(_, MessageDialogChoice::Cancel);
    press("\x08");
    EXPECT_EQ(value("select count(*) from recipes"), "2");
}

TEST_F(ListKeysTest, TheForwardDeleteKeyAsksAndDeletesLikeBackspace) {
    start(kThree);
    list().ListIndex = 1;
    ui.dialogs().expectMessageDialog("Delete the recipe 'Cake'?", MessageDialogChoice::Cancel);
    press("\x7F");
    EXPECT_EQ(shownName(), "Cake") << "cancelled: the recipe stays shown";
    EXPECT_EQ(list().ListIndex, 1);
    ui.dialogs().expectMessageDialogPressing("Delete the recipe 'Cake'?", "&Delete Recipe");
    press("\x7F");
    EXPECT_EQ(value("select count(*) from recipes where recipeName = 'Cake'"), "0");
    EXPECT_THAT(std::string(list().HelpTag), HasSubstr("Hit the delete key"));
}

TEST_F(ListKeysTest, TabGoesToTheNameField) {
    start(kThree);
    press("\t");
    EXPECT_EQ(w().Focus(), w().recipeName);
    EXPECT_TRUE(w().lastKeyPressed.empty());
}

// A long list is searched in memory: no row hands control to the event
// loop, and the editors change once, to the match.
TEST_F(ListKeysTest, TypeAheadAndArrowsOverALongListNeverYieldPerRow) {
    std::vector<TestRecipe> many;
    for (int i = 0; i < 20000; ++i) many.push_back(recipe("Recipe " + std::to_string(100000 + i)));
    many.push_back(recipe("zucchini bread"));
    start(many);
    const int yields = yieldCount();
    press("z");
    EXPECT_EQ(shownName(), "zucchini bread");
    EXPECT_EQ(list().ListIndex, 20000);
    press(kDown);
    EXPECT_EQ(list().ListIndex, 0);
    press(kUp);
    EXPECT_EQ(list().ListIndex, 20000);
    EXPECT_EQ(yieldCount(), yields);
}

// Called as the list receives them: the same keys are menu shortcuts too,
// and the menu, when it takes them, has its own ways.
TEST_F(ListKeysTest, CommandKPAndUHandTheRecipeToKitchenModePrintingAndTheConverter) {
    start({recipe("Soup", "", 0, "Boil water.", "{\\rtf1\\ansi {\\b Boil} water.}")});
    services().modifiers = [] {
        KeyModifiers m;
        m.command = true;
        return m;
    };
    EXPECT_TRUE(w().recipeList_KeyDown("K"));
    KitchenModeWindow& kitchen = kitchenModeWIndow();
    EXPECT_TRUE(kitchen.isShown());
    EXPECT_EQ(kitchen.bigRecipeText->Text.get(), "Boil water.");

    EXPECT_TRUE(w().recipeList_KeyDown("u"));
    EXPECT_TRUE(recipeUnits().isShown());

    w().recipeList->ListIndex = -1;
    ui.dialogs().expectMsgBox("No recipe selected to print.");
    EXPECT_TRUE(w().recipeList_KeyDown("P"));
    EXPECT_TRUE(w().lastKeyPressed.empty());
}
