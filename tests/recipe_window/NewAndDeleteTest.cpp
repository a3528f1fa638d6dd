// Adding and deleting recipes, with the confirmation and the failures.
#include <fstream>

#include "app/Larderwise.h"
#include "framework/files/FolderItem.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/SqlStatementFault.h"

using ::testing::ElementsAre;

namespace {

TestRecipe withID(const std::string& name, int64_t id) {
    TestRecipe r = recipe(name);
    r.rowID = id;
    return r;
}

}  // namespace

TEST_F(MainWindowTest, ANewRecipeTakesTheNextRowIDAndItsNameIsReadyForTyping) {
    start({withID("Bread", 1), withID("Cake", 2), withID("Soup", 7)});
    search("o");
    EXPECT_TRUE(w().newRecipe());
    EXPECT_EQ(value("select recipeName from recipes where rowID = 8"), "Untitled Recipe 8");
    EXPECT_FALSE(App().db->InTransaction());
    EXPECT_EQ(std::string(w().Searchfield().Text), "");
    EXPECT_EQ(w().searchWhere, "Everywhere");
    EXPECT_EQ(listedNames().size(), 4u);
    EXPECT_EQ(w().recRowID, 8);
    EXPECT_EQ(std::string(w().recipeList->List(w().recipeList->ListIndex)), "Untitled Recipe 8");
    EXPECT_EQ(w().Focus(), w().recipeName);
    EXPECT_EQ(w().recipeName->SelLength, 17);

    // Deleting the top rowID frees it for the next new recipe.
    ui.dialogs().expectMessageDialog("Delete the recipe 'Untitled Recipe 8'?", MessageDialogChoice::Action);
    w().deleteRecipe();
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_EQ(value("select max(rowID) from recipes"), "8");
}

TEST_F(MainWindowTest, TheFirstRecipeOfAnEmptyTableIsNumberOne) {
    start({});
    EXPECT_EQ(std::string(w().recipeCount->Text), "0 Recipes");
    EXPECT_EQ(w().recRowID, 0);
    EXPECT_TRUE(ui.chooseMenu("RecipeNewRecipe"));
    EXPECT_EQ(value("select rowID || ' ' || recipeName from recipes"), "1 Untitled Recipe 1");
    EXPECT_EQ(std::string(w().recipeCount->Text), "1 Recipes");
}

// The recipe shown before is replaced: New Recipe, and a document opened
// from the desktop or handed over by a second launch, load no recipe but the
// new one. A long recipe's text would otherwise be read and laid out again
// only to be thrown away, which froze the program for minutes at 20 MB.
TEST_F(MainWindowTest, NewRecipeAndAnOpenedDocumentLoadOnlyTheNewRecipe) {
    SqlStatementFault shows("from recipes where rowID = ", 1000000);  // counts, never fails
    start({recipe("Bread", "", 0, std::string(20000, 'k')), recipe("Soup")});
    ASSERT_EQ(w().recRowID, 1);
    const int before = shows.matches();
    EXPECT_TRUE(w().newRecipe());
    EXPECT_EQ(shows.matches() - before, 1);
    EXPECT_EQ(w().recRowID, 3);

    ui.clickCell(*w().recipeList, 0);  // Bread again, the focus in the list
    ASSERT_EQ(w().recRowID, 1);
    const std::string document = ui.folder("Home") + "/Pie.txt";
    std::ofstream(document) << "Roll the dough";
    const int beforeOpen = shows.matches();
    App().handleOpenDocument(FolderItem::fromPath(document));
    EXPECT_EQ(shows.matches() - beforeOpen, 1);
    EXPECT_EQ(std::string(w().recipeName->Text), "Pie.txt");
}

TEST_F(MainWindowTest, PlusWhileAnEditorHoldsAnEditKeepsThatEdit) {
    start({recipe("Bread")});
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "crusty");
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "crusty");
    EXPECT_EQ(value("select count(*) from recipes"), "2");
}

TEST_F(MainWindowTest, AFailedInsertSaysNR002AndLeavesNoNameSelectedForTyping) {
    SqlStatementFault fault("insert into recipes (recipeName)", 1);
    start({recipe("Bread")});
    ui.dialogs().expectMsgBox("Error NR002 creating new recipe record.");
    EXPECT_FALSE(w().newRecipe());
    EXPECT_EQ(value("select count(*) from recipes"), "1");
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(w().recipeName->SelLength, 0);
    EXPECT_NE(w().Focus(), w().recipeName);
}

TEST_F(MainWindowTest, DeleteAsksFirstAndCancelIsTheDefault) {
    start({recipe("Bread"), recipe("Soup")});
    w().recipeList->ListIndex = 1;
    ui.dialogs().expectMessageDialog("Delete the recipe 'Soup'?", MessageDialogChoice::Cancel);
    ui.click(*w().deleteSelectedRecipe, 5, 5);
    const UiCall& question = ui.dialogs().calls().back();
    EXPECT_EQ(question.explanation, "Deleting recipes is a permanent action. Make sure you want to do it.");
    EXPECT_THAT(question.captions, ElementsAre("&Delete Recipe", "Cancel"));
    EXPECT_EQ(question.defaultCaption, "Cancel");
    EXPECT_EQ(value("select count(*) from recipes"), "2");

    ui.dialogs().expectMessageDialog("Delete the recipe 'Soup'?", MessageDialogChoice::Action);
    ui.chooseMenu("RecipeDeleteRecipe");
    EXPECT_EQ(value("select group_concat(recipeName) from recipes"), "Bread");
    EXPECT_EQ(w().recRowID, 1);

    ui.dialogs().expectMessageDialog("Delete the recipe 'Bread'?", MessageDialogChoice::Action);
    w().deleteRecipe();
    EXPECT_EQ(std::string(w().recipeCount->Text), "0 Recipes");
    EXPECT_EQ(w().recRowID, 0);
    EXPECT_EQ(std::string(w().recipeName->Text), "");
    ui.dialogs().expectMsgBox("Select a recipe to delete.");
    w().deleteRecipe();
}

TEST_F(MainWindowTest, DeleteRemovesTheRecipeItNamesEvenWhenTheEditorsShowAnother) {
    start({recipe("Bread"), recipe("Cake"), recipe("Soup")});
    execute({"delete from recipes where rowID = 2"});
    ui.dialogs().expectMsgBox("Error RL001 updating the recipeList.");
    w().recipeList->ListIndex = 1;  // Cake is gone; the editors still show Bread
    ASSERT_EQ(w().recRowID, 1);
    w().recipeList->ListIndex = 2;
    ui.dialogs().expectMessageDialog("Delete the recipe 'Soup'?", MessageDialogChoice::Action);
    w().deleteRecipe();
    EXPECT_EQ(value("select group_concat(recipeName) from recipes"), "Bread");
}

TEST_F(MainWindowTest, AFailedDeleteShowsTheDatabaseReason) {
    SqlStatementFault fault("delete from recipes", 1);
    start({recipe("Bread")});
    ui.dialogs()
        .expectMessageDialog("Delete the recipe 'Bread'?", MessageDialogChoice::Action)
        .expectMsgBox(::testing::StartsWith("Error DR001:  Could not delete the recipe. interrupted"));
    w().deleteRecipe();
    EXPECT_EQ(value("select count(*) from recipes"), "1");
    EXPECT_EQ(w().recRowID, 1);
}

TEST_F(MainWindowTest, AFailedLookUpOfTheLastRowIDCreatesNothing) {
    SqlStatementFault fault("max(rowID)", 1);
    start({recipe("Bread")});
    search("zzz");
    ui.dialogs().expectMsgBox("Error NR001 querying the database.");
    EXPECT_FALSE(w().newRecipe());
    EXPECT_EQ(value("select count(*) from recipes"), "1");
    EXPECT_EQ(std::string(w().Searchfield().Text), "") << "the search was reset before";
    EXPECT_EQ(w().recRowID, 1);
}
