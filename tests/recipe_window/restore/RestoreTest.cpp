// Restoring the database from a backup the user picks: the questions, the
// replaced file and the refilled list, and every way it can go wrong
// leaving the user with the database they had.
#include <filesystem>

#include "app/RecipesTable.h"
#include "framework/ui/Runtime.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/support/SqlStatementFault.h"
#include "tests/support/TestFiles.h"

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const std::vector<TestRecipe> kCurrent = {recipe("Apple Tart"), recipe("Bread")};

class RestoreTest : public MainWindowTest {
protected:
    // A database file holding the named recipes, in a table made by `create`.
    std::string makeDatabase(const std::string& name, const std::vector<std::string>& recipes,
                             const std::string& create = RecipesTable::kCreate) {
        const std::string path = dataFolder() + "/" + name;
        std::vector<RecipeRow> rows;
        for (const std::string& r : recipes) rows.push_back({r, "text", "{\\rtf1\\ansi text}"});
        buildCurrentDatabase(path, rows, create);
        return path;
    }

    std::vector<std::string> storedNames() {
        std::vector<std::string> names;
        for (const Row& r : query("select recipeName from recipes order by recipeName")) names.push_back(*r[0]);
        return names;
    }
    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dataFolder())) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    void expectQuestionAnswered(const std::string& caption) {
        ui.dialogs().expectMessageDialogPressing("Restore recipesDB database file from a backup", caption);
    }
    void restore() { ui.chooseMenu("FileRestorefrombackup"); }
};

const char* const kBackupName = "recipeDB backup 2026-12-07-95.rsd";

}  // namespace

TEST_F(RestoreTest, ABackupReplacesTheDatabaseAndTheListShowsItUnderTheCurrentSearch) {
    start(kCurrent);
    const std::string backup = makeDatabase(kBackupName, {"Pie crust", "Pork pie", "Soup"});
    w().Searchfield().Text = std::string("pie");
    expectQuestionAnswered("Restore");
    ui.dialogs().expectOpenFile(backup);
    ui.dialogs().expectMsgBox("Database restored from backup.");
    restore();

    const std::vector<UiCall>& calls = ui.dialogs().calls();
    const UiCall& question = *std::find_if(calls.begin(), calls.end(),
                                           [](const UiCall& c) { return c.kind == UiCallKind::MessageDialog; });
    EXPECT_EQ(question.explanation,
              "If you haven't backed up the current database, it will be overwritten. Please backup first.");
    EXPECT_THAT(question.captions, ElementsAre("Restore", "Abort"));
    const UiCall& open = *std::find_if(calls.begin(), calls.end(),
                                       [](const UiCall& c) { return c.kind == UiCallKind::OpenFile; });
    EXPECT_EQ(open.text, "Select a recipeDB backup file to restore:");
    EXPECT_EQ(open.file.actionButtonCaption, "Restore");
    EXPECT_EQ(open.file.cancelButtonCaption, "Cancel");
    EXPECT_EQ(std::filesystem::canonical(open.file.initialDirectory), std::filesystem::canonical(dataFolder()));

    EXPECT_THAT(storedNames(), ElementsAre("Pie crust", "Pork pie", "Soup"));
    EXPECT_THAT(listedNames(), ElementsAre("Pie crust", "Pork pie"));
    EXPECT_EQ(std::string(w().recipeName->Text), "Pie crust");
    EXPECT_TRUE(App().db->IsConnected());
    EXPECT_EQ(w().Focus(), w().recipeList);
    EXPECT_THAT(folderEntries(), ElementsAre(kBackupName, "recipeDB.rsd")) << "no working copies are left";
    EXPECT_EQ(value("select count(*) from recipes"), "3");
}

TEST_F(RestoreTest, AbortingAtTheQuestionOrCancellingTheFileChangesNothing) {
    start(kCurrent);
    makeDatabase(kBackupName, {"Soup"});
    ui.dialogs().expectMessageDialog(_, MessageDialogChoice::Cancel);
    restore();
    expectQuestionAnswered("Restore");
    ui.dialogs().expectOpenFile(std::nullopt);
    ui.dialogs().expectMsgBox("Restore recipe database aborted.");
    restore();
    EXPECT_THAT(storedNames(), ElementsAre("Apple Tart", "Bread"));
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart", "Bread"));
    EXPECT_TRUE(App().db->IsConnected());
}

TEST_F(RestoreTest, AFileThatIsNoRecipeDatabaseIsRefusedAndTheDatabaseStaysOpen) {
    start(kCurrent);
    const std::string junk = dataFolder() + "/junk.rsd";
    writeBytes(junk, "these are not the recipes you are looking for");
    const std::string otherTable = makeDatabase("other.rsd", {}, "create table notes (body varchar)");
    // Another program's table of that name: opening it would end the program.
    const std::string otherRecipes =
        makeDatabase("other recipes.rsd", {}, "create table recipes (id integer primary key, title varchar)");
    for (const std::string& choice : {junk, otherTable, otherRecipes, dataFolder() + "/missing.rsd"}) {
        expectQuestionAnswered("Restore");
        ui.dialogs().expectOpenFile(choice);
        ui.dialogs().expectMsgBox("Error -10 restoring the database.");
        restore();
    }
    EXPECT_THAT(storedNames(), ElementsAre("Apple Tart", "Bread"));
    EXPECT_TRUE(App().db->IsConnected());
    EXPECT_FALSE(Runtime::quitting());
    search("Bread");
    EXPECT_THAT(listedNames(), ElementsAre("Bread")) << "the connection still works";
    EXPECT_THAT(folderEntries(), ElementsAre("junk.rsd", "other recipes.rsd", "other.rsd", "recipeDB.rsd"));
}

TEST_F(RestoreTest, ChoosingTheDatabaseItselfLosesNothing) {
    start(kCurrent);
    expectQuestionAnswered("Restore");
    ui.dialogs().expectOpenFile(databasePath());
    ui.dialogs().expectMsgBox("Database restored from backup.");
    restore();
    EXPECT_THAT(storedNames(), ElementsAre("Apple Tart", "Bread"));
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart", "Bread"));
}

// An edit in progress belongs to the database being replaced: it is saved
// there, and never written into the restored recipes.
TEST_F(RestoreTest, AnEditInProgressDoesNotLeakIntoTheRestoredRecipes) {
    start(kCurrent);
    const std::string backup = makeDatabase(kBackupName, {"Soup"});
    ui.setFocus(*w().recipeKeywords);
    w().recipeKeywords->Text = std::string("edited before the restore");
    expectQuestionAnswered("Restore");
    ui.dialogs().expectOpenFile(backup);
    ui.dialogs().expectMsgBox("Database restored from backup.");
    restore();
    ui.setFocus(*w().recipeName);
    ui.setFocus(*w().recipeList);
    EXPECT_EQ(value("select recipeKeywords from recipes"), "NULL");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "");
}

// An edit that cannot be stored would be lost with the old file: the
// restore is not offered, and the edit stays on screen.
TEST_F(RestoreTest, AnEditThatCannotBeStoredStopsTheRestore) {
    start(kCurrent);
    const std::string backup = makeDatabase(kBackupName, {"Soup"});
    execute({"create trigger keywordsLocked before update of recipeKeywords on recipes "
             "begin select raise(abort, 'locked'); end"});
    ui.setFocus(*w().recipeKeywords);
    w().recipeKeywords->Text = std::string("edited before the restore");
    ui.dialogs().expectMsgBox("Error 300 occurred while updating the recipe.");
    restore();
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"Apple Tart", "Bread"})) << "not restored";
    EXPECT_EQ(ui.dialogs().messages().size(), 1u) << "not even offered";
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "edited before the restore");
}

// The restored file is opened as at start-up; when that fails the program
// ends, and the next start must find the database the user had.
TEST_F(RestoreTest, WhenTheRestoredFileCannotBeOpenedTheOldDatabaseIsPutBack) {
    SqlStatementFault fault("alter table recipes add column recipeRtfText");
    start(kCurrent);
    const std::string oldLayout = makeDatabase(
        kBackupName, {}, "create table recipes (recipeName varChar, recipeText varChar, recipeKeywords varChar, "
                         "recipeRating integer, recipePhoto Blob)");
    expectQuestionAnswered("Restore");
    ui.dialogs().expectOpenFile(oldLayout);
    ui.dialogs().expectMsgBox(HasSubstr("Adding new recipe RTF text field"));
    ui.dialogs().expectMsgBox(StartsWith("Error DB002A"));
    restore();
    EXPECT_TRUE(fault.fired());
    EXPECT_TRUE(Runtime::quitting());
    EXPECT_THAT(storedNames(), ElementsAre("Apple Tart", "Bread"));
    EXPECT_THAT(folderEntries(), ElementsAre(kBackupName, "recipeDB.rsd"));
}

// A restore killed half way leaves its working copies beside the database;
// the next start removes them and keeps the database.
TEST_F(RestoreTest, WorkingCopiesOfAKilledRestoreAreRemovedAtTheNextStart) {
    std::filesystem::create_directories(dataFolder());
    makeDatabase(".recipeDB restoring.rsd", {"Soup"});
    makeDatabase(".recipeDB before restore.rsd", {"Apple Tart"});
    start(kCurrent);
    EXPECT_THAT(folderEntries(), ElementsAre("recipeDB.rsd"));
    EXPECT_THAT(storedNames(), ElementsAre("Apple Tart", "Bread"));
}
