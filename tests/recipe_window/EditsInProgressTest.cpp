// The edit in progress: stored before anything replaces the shown recipe,
// wherever the focus is; failed commits said, kept on screen and retried;
// nothing written that did not change, and nothing written into another
// recipe.
#include <filesystem>
#include <iterator>
#include <limits>

#include "framework/ui/Runtime.h"
#include "framework/ui/controls/BevelButton.h"
#include "tests/support/MainWindowFixture.h"
#include "utility_windows/font_palette/FontWindow.h"

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::vector<TestRecipe> kThree = {recipe("Bread", "daily"), recipe("Cake", "sweet"), recipe("Soup", "hot")};

const char* const kLocked = "database is locked";

// A trigger that makes every update of the column fail with `why`.
std::string failingUpdatesOf(const std::string& column, const std::string& why) {
    return "create trigger " + column + "Locked before update of " + column + " on recipes begin select raise(abort, '" +
           why + "'); end";
}

}  // namespace

TEST_F(MainWindowTest, AFailedCommitIsSaidTheEditKeptOnScreenAndStoredByTheNextSave) {
    start(kThree);
    ui.clickCell(*w().recipeList, 1);  // Cake
    ui.setFocus(*w().recipeName);
    w().recipeName->SelStart = 4;
    ui.type(*w().recipeName, "s");
    OtherProgramReading reader(databasePath());

    ui.dialogs().expectMsgBox(AllOf(StartsWith("Error 302: Could not save the recipe's name. "), HasSubstr(kLocked)));
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(std::string(w().recipeName->Text), "Cakes") << "kept in the field";
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_FALSE(App().db->InTransaction()) << "no lock kept that would stop other programs reading";
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Cake");

    // Every click on another recipe tries the save first and, failing, says
    // why it stays: a click is a command, answered each time.
    for (size_t told = 2; told <= 3; ++told) {
        ui.dialogs().expectMsgBox(StartsWith("Error 302: Could not save the recipe's name. "));
        ui.clickCell(*w().recipeList, 0);
        EXPECT_EQ(w().recRowID, 2);
        EXPECT_EQ(w().recipeList->ListIndex, 1) << "the selection is put back";
        EXPECT_EQ(std::string(w().recipeName->Text), "Cakes");
        EXPECT_EQ(ui.dialogs().messages().size(), told);
    }

    // Changed since, its failure is told again.
    ui.setFocus(*w().recipeName);
    ui.type(*w().recipeName, "!");
    const std::string changed = w().recipeName->Text;
    ui.dialogs().expectMsgBox(StartsWith("Error 302: Could not save the recipe's name. "));
    ui.clickCell(*w().recipeList, 0);
    EXPECT_EQ(w().recRowID, 2);

    reader.release();
    ui.clickCell(*w().recipeList, 0);
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), changed);
}

// Keys typed in the search field while an edit cannot be stored search
// nothing (the list would drop the recipe being edited) and tell nothing
// new; once a save goes through, the field's text is searched, so the text
// and the list agree again.
TEST_F(MainWindowTest, ASearchTypedWhileASaveFailsRunsOnceTheSaveGoesThrough) {
    start(kThree);
    execute({failingUpdatesOf("recipeKeywords", "keywords locked")});
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "x");
    ui.dialogs().expectMsgBox("Error 300 occurred while updating the recipe.");
    ui.setFocus(w().Searchfield());
    ui.type(w().Searchfield(), "so");
    ui.settle();
    EXPECT_EQ(ui.dialogs().messages().size(), 1u) << "each key retried the save, quietly";
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Cake", "Soup"));
    EXPECT_EQ(w().recRowID, 1);

    execute({"drop trigger recipeKeywordsLocked"});
    ui.click(*w().recipeKeywords, 5, 5);
    ui.click(*w().recipeName, 5, 5);
    ui.settle();
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "xdaily");
    EXPECT_THAT(listedNames(), ElementsAre("Soup"));
}

// A quit the user chose with edits that cannot be stored says so and that
// quitting drops them; staying keeps them on screen, stored once allowed.
TEST_F(MainWindowTest, AQuitWithEditsThatCannotBeStoredLetsTheUserStayAndKeepsThem) {
    start(kThree);
    OtherProgramReading reader(databasePath());
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "rye ");
    ui.dialogs().expectMsgBox(
        AllOf(StartsWith("Error 302: Could not save the recipe's keywords. "), HasSubstr(kLocked)));
    ui.setFocus(*w().RecipeText);
    ui.type(*w().RecipeText, "Knead. ");
    ui.dialogs().expectMessageDialogPressing(HasSubstr("cannot be stored"), "&Stay");
    quit();
    ASSERT_EQ(ui.dialogs().messages().size(), 2u);
    const UiCall& box = ui.dialogs().calls().back();
    EXPECT_THAT(box.explanation, AllOf(HasSubstr("recipe's keywords"), HasSubstr("recipe's text"),
                                       HasSubstr("If you quit now, these changes are lost")));
    EXPECT_FALSE(Runtime::quitting()) << "the user stayed";
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "rye daily");
    reader.release();
    quit();
    EXPECT_TRUE(Runtime::quitting());
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "rye daily");
    EXPECT_THAT(value("select recipeText from recipes where rowID = 1"), StartsWith("Knead. "));
}

// Export, backup and restore hand on the stored recipes: each chosen while
// the edit cannot be stored says so, every time, and stops; no file dialog,
// no copy without the edit.
TEST_F(MainWindowTest, ACommandThatNeedsTheEditStoredSaysEachTimeItCannotAndStops) {
    start(kThree);
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "rye ");
    OtherProgramReading reader(databasePath());
    const auto failed = AllOf(StartsWith("Error 302: Could not save the recipe's keywords. "), HasSubstr(kLocked));
    ui.dialogs().expectMsgBox(failed);
    ui.setFocus(*w().RecipeText);
    for (const char* command : {"FileExportrecipes", "FileExportrecipes", "FileBackupDatabase", "FileRestorefrombackup",
                                "FileBackupDatabase"}) {
        ui.dialogs().expectMsgBox(failed);
        ui.chooseMenu(command);
    }
    EXPECT_EQ(ui.dialogs().messages().size(), 6u);
    const auto folder = std::filesystem::path(databasePath()).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
        << "no backup beside the database";
    reader.release();
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "daily");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "rye daily");
}

TEST_F(MainWindowTest, TextWhoseSaveFailedIsNeverReplacedByTheStoredText) {
    start(kThree);
    execute({failingUpdatesOf("recipeText", "text locked")});
    ui.setFocus(*w().RecipeText);
    w().RecipeText->Text = std::string("Rye flour");
    ui.dialogs().expectMsgBox(StartsWith("Error 301 occurred while updating the recipe.\rtext locked\r\r"));
    ui.setFocus(*w().recipeName);
    EXPECT_EQ(value("select recipeRtfText from recipes where rowID = 1"), "{\\rtf1\\ansi text}")
        << "the RTF is not stored without the plain text";

    // Leaving the name field refills the list, which would reload the text;
    // the save is tried first and fails again, quietly: the edit is the one
    // the user was told of.
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(std::string(w().RecipeText->Text), "Rye flour");
    EXPECT_EQ(ui.dialogs().messages().size(), 1u);

    execute({"drop trigger recipeTextLocked"});
    ui.clickCell(*w().recipeList, 2);
    EXPECT_EQ(w().recRowID, 3);
    EXPECT_EQ(value("select recipeText from recipes where rowID = 1"), "Rye flour");
    EXPECT_THAT(value("select recipeRtfText from recipes where rowID = 1"), HasSubstr("Rye flour"));
}

TEST_F(MainWindowTest, ASaveToARecipeThatNoLongerExistsSaysSoAndLetsTheUserMoveOn) {
    start(kThree);
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, " rye");
    execute({"delete from recipes where rowID = 1"});  // another copy of the program deleted it
    ui.dialogs().expectMsgBox(
        "Error 303: Could not save the recipe's keywords. The recipe is no longer in the database.");
    ui.clickCell(*w().recipeList, 1);
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_FALSE(App().db->InTransaction()) << "no write lock kept";
    EXPECT_EQ(value("select count(*) from recipes"), "2") << "nothing was made of it";
}

TEST_F(MainWindowTest, OldMacRomanNamesSurviveAndUnchangedFieldsAreNotWritten) {
    const std::string macRoman = "Cr\x8F" "me br\x9E" "l\x8E" "e";  // "Crème brûlée" as older versions stored it
    start({recipe(macRoman, "d\x8E" "ssert"), recipe("Soup")});
    EXPECT_EQ(std::string(w().recipeName->Text), "Crème brûlée");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "déssert");
    EXPECT_EQ(w().recipeList->List(0), "Crème brûlée");

    // Visiting every editor writes nothing: the old bytes stay as they are.
    execute({"create trigger readOnly before update on recipes begin select raise(abort, 'read-only'); end"});
    for (RectControl* editor : std::vector<RectControl*>{w().recipeName, w().recipeKeywords, w().RecipeText})
        ui.setFocus(*editor);
    ui.setFocus(*w().recipeList);
    EXPECT_EQ(value("select hex(recipeName) from recipes where rowID = 1"), "43728F6D652062729E6C8E65");

    execute({"drop trigger readOnly"});
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "!");
    ui.setFocus(*w().recipeList);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "!déssert");
}

TEST_F(MainWindowTest, NewRecipeAtTheLargestRowIDIsRefusedAndChangesNothing) {
    TestRecipe last = recipe("Last");
    last.rowID = std::numeric_limits<int64_t>::max();
    start({recipe("Bread"), last});
    ui.setFocus(*w().recipeName);
    ui.dialogs().expectMsgBox("Error NR002 creating new recipe record.");
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_EQ(value("select count(*) from recipes"), "2");
    EXPECT_EQ(value("select group_concat(recipeName, ',') from (select recipeName from recipes order by rowID)"),
              "Bread,Last");
}

TEST_F(MainWindowTest, AFailedNewRecipeLeavesTheShownRecipesNameAlone) {
    start(kThree);
    execute({"create trigger full before insert on recipes begin select raise(abort, 'disk full'); end"});
    ui.setFocus(*w().recipeName);
    ui.dialogs().expectMsgBox("Error NR002 creating new recipe record.");
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_EQ(std::string(w().recipeName->Text), "Bread");
    ui.setFocus(*w().recipeList);
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Cake", "Soup"));
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Bread");
}

TEST_F(MainWindowTest, EveryPathThatReplacesTheRecipeStoresTheEditWhereverTheFocusIs) {
    start(kThree);
    // Next Recipe from the keywords field.
    ui.setFocus(*w().recipeKeywords);
    ui.type(*w().recipeKeywords, "loaf ");
    EXPECT_TRUE(ui.chooseMenu("RecipeNextRecipe"));
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(value("select recipeKeywords from recipes where rowID = 1"), "loaf daily");

    // A scope chosen with the text field still focused.
    ui.setFocus(*w().RecipeText);
    ui.type(*w().RecipeText, "Whisk. ");
    chooseScope("Recipe Keywords");
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), "Whisk. text");

    // A rename in a list cell, ended by "+".
    ui.doubleClick(*w().recipeList, 20, 28);
    ui.type(*w().recipeList, "Apple Bread");
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Apple Bread");
    EXPECT_EQ(w().recRowID, 4) << "the new recipe is shown";
}

TEST_F(MainWindowTest, DeleteNamesAndDeletesTheRecipeTheUserWasOn) {
    start({recipe("Apple Pie"), recipe("Cherry Pie")});
    search("Pie");
    ui.clickCell(*w().recipeList, 1);
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Mom's Tart");  // no longer found by "Pie"
    ui.dialogs().expectMessageDialog("Delete the recipe 'Mom's Tart'?", MessageDialogChoice::Action);
    EXPECT_TRUE(ui.chooseMenu("RecipeDeleteRecipe"));
    EXPECT_EQ(value("select group_concat(recipeName) from recipes"), "Apple Pie");
}

TEST_F(MainWindowTest, TextStyledFromThePaletteIsStoredAtQuit) {
    start(kThree);
    ui.setFocus(*w().RecipeText);
    ui.key(*w().RecipeText, "a", UiDriver::Command);  // Select All
    EXPECT_TRUE(ui.chooseMenu("FontShowFonts"));
    FontPaletteWindow& palette = FontWindow();
    ui.activate(palette);
    const int32_t row = [&] {
        for (int32_t i = 0; i < palette.SizeList->ListCount(); ++i)
            if (palette.SizeList->List(i) == "36") return i;
        return -1;
    }();
    ASSERT_GE(row, 0);
    ui.clickCell(*palette.SizeList, row);
    quit();
    EXPECT_THAT(value("select recipeRtfText from recipes where rowID = 1"), HasSubstr("\\fs72"));
}

TEST_F(MainWindowTest, ANameRefusedTwiceTakesTheFocusBackFromWhereverTheUserWent) {
    start({recipe("Bread"), recipe("Soup"), recipe("Soup copy")},
          "create table recipes (recipeName varChar UNIQUE, recipeText varChar, recipeRtfText varChar, "
          "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)");
    ui.setFocus(*w().recipeName);
    w().recipeName->Text = std::string("Soup");
    ui.dialogs()
        .expectMsgBox("Recipe names in certain old databases must be unique!. Saving as 'Soup copy'.")
        .expectMsgBox("Error 300 occurred while updating the recipe.");
    ui.click(*w().recipeList, 20, 45);  // the next recipe's row
    ui.settle();
    EXPECT_EQ(w().Focus(), w().recipeName);
    EXPECT_EQ(w().recipeName->SelLength, 9) << "the whole name selected";
    EXPECT_EQ(w().recRowID, 1) << "the refused name's recipe stays shown";
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Bread");
}

TEST_F(MainWindowTest, NewAndDeleteWhoseCommitFailsSaySoAndChangeNothing) {
    start(kThree);
    OtherProgramReading reader(databasePath());
    ui.dialogs().expectMsgBox(AllOf(StartsWith("Error NR002 creating new recipe record.\r"), HasSubstr(kLocked)));
    ui.click(*w().AddRecipe, 5, 5);
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Cake", "Soup")) << "no recipe that would vanish at quit";

    ui.dialogs()
        .expectMessageDialog("Delete the recipe 'Bread'?", MessageDialogChoice::Action)
        .expectMsgBox(AllOf(StartsWith("Error DR001:  Could not delete the recipe. "), HasSubstr(kLocked)));
    EXPECT_TRUE(ui.chooseMenu("RecipeDeleteRecipe"));
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Cake", "Soup")) << "a delete that would come back is not shown";
    reader.release();
    EXPECT_EQ(value("select count(*) from recipes"), "3");
}

TEST_F(MainWindowTest, TheTwoTextColumnsChangeTogetherOrNotAtAll) {
    start(kThree);
    execute({failingUpdatesOf("recipeRtfText", "rtf locked")});
    ui.dialogs().expectMsgBox(StartsWith("Error 301A occurred while updating the recipe.\rrtf locked\r\r"));
    ui.type(*w().RecipeText, "Rye ");
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeText from recipes where rowID = 1"), "text") << "not the plain text alone";
}
