// The road of one request and the saves of name, keywords and rating as the
// user leaves each editor.
#include "framework/ui/controls/BevelButton.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/SqlStatementFault.h"

using ::testing::ElementsAre;

namespace {

const std::vector<TestRecipe> kThree = {recipe("Bread", "daily"),
                                        recipe("Cake", "sweet"),
                                        recipe("Soup", "hot")};

const char* const kUnique =
    "create table recipes (recipeName varChar UNIQUE, recipeText varChar, recipeRtfText varChar, "
    "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)";

}  // namespace

TEST_F(MainWindowTest, EditingANameIsStoredWhenTheFieldIsLeftAndTheRecipeStaysSelected) {
    start(kThree);
    w().recipeList->ListIndex = 1;  // Cake
    ui.setFocus(*w().recipeName);
    w().recipeName->SelStart = 4;
    ui.type(*w().recipeName, "s");
    EXPECT_EQ(w().recipeList->Cell(1, 0).str(), "Cakes") << "the list follows the typing";
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cake") << "nothing stored before leaving";
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cakes");
    EXPECT_FALSE(App().db->InTransaction()) << "committed at once";
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(w().recipeList->ListIndex, 1);

    // Renamed to sort first: still selected, in its new place.
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Apple Cake");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_THAT(listedNames(), ElementsAre("Apple Cake", "Bread", "Soup"));
    EXPECT_EQ(w().recipeList->ListIndex, 0);
    EXPECT_EQ(w().recRowID, 2);
}

TEST_F(MainWindowTest, ARenameThatLeavesTheSearchShowsTheFirstFoundRecipe) {
    start(kThree);
    search("a");  // Bread, Cake
    w().recipeList->ListIndex = 1;
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Stew");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_THAT(listedNames(), ElementsAre("Bread"));
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Stew");
}

TEST_F(MainWindowTest, NamesAreStoredAsTypedAndAnEmptyOneIsNeverWritten) {
    start(kThree);
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Mom's Pie");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Mom's Pie");

    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string();
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Mom's Pie");
    EXPECT_EQ(std::string(w().recipeName->Text), "Mom's Pie") << "the stored name comes back";

    // Keywords and stars are not saved while the name is empty.
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string();
    w().recipeKeywords->Text = std::string("lost");
    w().recipeKeywords_LostFocus(FocusLoss::WithinWindow);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "daily");
}

// Nothing typed, rated or dropped with no recipe shown could be stored, so
// the editors take none of it; a key the user presses lands where the focus
// stayed, in sight.
TEST_F(MainWindowTest, WithNoRecipeShownTheEditorsTakeNoInputUntilOneIsShownAgain) {
    start(kThree);
    search("zzz");
    ASSERT_EQ(w().recRowID, 0);
    ui.click(*w().recipeKeywords, 5, 5);
    ui.pressKey("x");
    ui.click(*w().recipeName, 5, 5);
    ui.pressKey("q");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "");
    EXPECT_EQ(std::string(w().recipeName->Text), "");
    EXPECT_EQ(std::string(w().Searchfield().Text), "zzzxq") << "the keys stayed in the search field";
    ui.click(*w().recipeRating, 80, 10);
    EXPECT_EQ(w().recipeRating->rating, 0);
    EXPECT_FALSE(ui.drop(*w().RecipeText, DropData{std::string("Knead well."), {}, nullptr}));
    EXPECT_EQ(std::string(w().RecipeText->Text), "");

    for (int i = 0; i < 5; ++i) ui.pressKey("\x08");  // the search emptied: a recipe is shown again
    ui.settle();
    ASSERT_EQ(w().recRowID, 1);
    ui.click(*w().recipeKeywords, 5, 5);
    ui.pressKey("x");
    ui.click(*w().recipeRating, 80, 10);
    ui.click(*w().RecipeText, 5, 5);
    EXPECT_EQ(value("select recipeKeywords || ' ' || recipeRating from recipes where rowID = 1"), "xdaily 5");
    EXPECT_EQ(value("select count(*) from recipes where recipeName in ('', 'q') or recipeKeywords = 'x'"), "0");
}

// The last found recipe renamed out of the search: its name is stored, and
// the keywords the user tabbed into close with the rest, handing the focus on
// to a control that takes keys.
TEST_F(MainWindowTest, RenamingTheOnlyFoundRecipeOutOfTheSearchStoresItAndClosesTheEditors) {
    start(kThree);
    search("Cake");
    ui.click(*w().recipeName, 5, 5);
    w().recipeName->SelectAll();
    ui.pressKey("P");
    ui.tab(*w().recipeName);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "P");
    EXPECT_EQ(w().recipeList->ListCount(), 0);
    EXPECT_EQ(w().recRowID, 0);
    EXPECT_FALSE(w().recipeKeywords->Enabled.get());
    EXPECT_EQ(w().Focus(), w().recipeList) << "the first control after the closed editors";
}

TEST_F(MainWindowTest, OnAnEmptyDatabaseNewRecipeOpensTheEditorsWithTheNameToTypeOver) {
    start({});
    EXPECT_FALSE(w().recipeName->Enabled.get());
    EXPECT_FALSE(w().RecipeText->Enabled.get());
    ui.click(*w().AddRecipe, 5, 5);
    ASSERT_EQ(w().recRowID, 1);
    EXPECT_EQ(w().Focus(), w().recipeName);
    ui.pressKey("P");
    ui.tab(*w().recipeName);
    EXPECT_EQ(w().Focus(), w().recipeKeywords) << "Tab moves on into the keywords";
    EXPECT_EQ(value("select recipeName from recipes"), "P");
}

TEST_F(MainWindowTest, KeywordsAndRatingAreStoredAsTheUserFinishesWithThem) {
    start(kThree);
    ui.setFocus(*w().recipeKeywords);
    w().recipeKeywords->Text = std::string("it's  warm ");
    ui.setFocus(*w().recipeName);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "it's  warm ");
    // Other words of the same length are a change all the same.
    ui.setFocus(*w().recipeKeywords);
    w().recipeKeywords->Text = std::string("it's  cold ");
    ui.setFocus(*w().recipeName);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "it's  cold ");

    ui.click(*w().recipeRating, 80, 10);  // the fifth star
    EXPECT_EQ(value("select recipeRating from recipes where rowID = 1"), "5");
    ui.click(*w().recipeRating, 0, 10);  // left of the first: not rated
    EXPECT_EQ(value("select typeof(recipeRating) || ' ' || recipeRating from recipes where rowID = 1"), "integer 0");
    EXPECT_FALSE(App().db->InTransaction());
}

TEST_F(MainWindowTest, AFailedKeywordsOrRatingSaveSaysError300) {
    SqlStatementFault fault("set recipeRating", 1);
    start(kThree);
    ui.dialogs().expectMsgBox("Error 300 occurred while updating the recipe.");
    ui.click(*w().recipeRating, 80, 10);
    EXPECT_TRUE(fault.fired());
    EXPECT_EQ(value("select recipeRating from recipes where rowID = 1"), "0");
}

TEST_F(MainWindowTest, AUniqueNameTakenOnceIsSavedWithCopy) {
    start(kThree, kUnique);
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Soup");
    ui.dialogs().expectMsgBox("Recipe names in certain old databases must be unique!. Saving as 'Soup copy'.");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Soup copy");
    EXPECT_THAT(listedNames(), ElementsAre("Cake", "Soup", "Soup copy"));
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_FALSE(w().recipeNameInvalid);
}

TEST_F(MainWindowTest, AUniqueNameTakenTwiceIsReportedAndTheNameFieldTakesTheFocusBack) {
    start({recipe("Bread"), recipe("Soup"), recipe("Soup copy")}, kUnique);
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Soup");
    ui.dialogs()
        .expectMsgBox("Recipe names in certain old databases must be unique!. Saving as 'Soup copy'.")
        .expectMsgBox("Error 300 occurred while updating the recipe.");
    ui.tab(*w().recipeName);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Bread");
    ui.settle();
    EXPECT_EQ(w().Focus(), w().recipeName) << "sent back from the keywords";
    EXPECT_FALSE(w().recipeNameInvalid);
    EXPECT_EQ(std::string(w().recipeName->Text), "Soup copy");
    EXPECT_EQ(w().recipeName->SelLength, 9);
}

TEST_F(MainWindowTest, AFailedRenameForAnyOtherReasonKeepsTheTypedName) {
    SqlStatementFault fault("set recipeName", 1);
    start(kThree);
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Loaf");
    ui.dialogs().expectMsgBox("Error 300 occurred while updating the recipe.");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(std::string(w().recipeName->Text), "Loaf");
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Bread");
}

TEST_F(MainWindowTest, ClickingAnotherRecipeSavesTheEditUnderTheRecipeItBelongsTo) {
    start(kThree);
    ui.click(*w().recipeName, 200, 20);
    w().recipeName->SelStart = 5;
    ui.type(*w().recipeName, "ed");
    ui.clickCell(*w().recipeList, 1);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Breaded");
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cake");
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(std::string(w().recipeName->Text), "Cake");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "sweet");
}
