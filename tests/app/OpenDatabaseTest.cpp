// Opening the recipe database at start-up: first start, older layouts, a
// current database, and failures of its own steps, each against real files
// in private folders with scripted answers.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/RecipesTable.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/files/FolderItem.h"
#include "framework/runtime/Services.h"
#include "framework/text/StyledText.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "recipe_window/Main.h"
#include "tests/app/ShellTestSupport.h"
#include "tests/support/DatabaseLock.h"
#include "tests/support/SqlStatementFault.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;
namespace M = DatabaseMessages;

namespace {
std::optional<std::string> text(const char* s) { return std::string(s); }

class OpenDatabase : public ShellTest {
protected:
    Rows recipes(const std::string& columns = "recipeName,recipeText,recipePhoto") {
        return selectRows(databasePath(), "select " + columns + " from recipes order by rowID");
    }
    std::string schema(const std::string& table = "recipes") {
        Rows rows = selectRows(databasePath(), "select sql from sqlite_master where name = '" + table + "'");
        return rows.empty() ? "" : rows[0][0].value_or("");
    }
    // "name type" of each column, in order (the engine may change the case of a type).
    std::vector<std::string> layout() {
        std::vector<std::string> columns;
        for (const auto& row : selectRows(databasePath(), "pragma table_info(recipes)")) {
            std::string type = row[2].value_or("");
            std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
            columns.push_back(row[1].value_or("") + " " + type);
        }
        return columns;
    }
    void expectCurrentLayout() {
        EXPECT_EQ(layout(), (std::vector<std::string>{"recipeName varchar", "recipeText varchar",
                                                      "recipeRtfText varchar", "recipeKeywords varchar",
                                                      "recipeRating integer", "recipePhoto blob"}));
        EXPECT_EQ(schema().find("unique"), std::string::npos);
        EXPECT_EQ(schema("recipes2"), "");
    }
    int64_t freePages() { return std::stoll(*selectRows(databasePath(), "pragma freelist_count")[0][0]); }

    // An old database: no rating and no RTF column yet, a unique name, three
    // recipes out of name order, one with a photo and one without keywords.
    void buildOldestLayout() {
        makeDataFolder();
        buildDatabase(databasePath(),
                      {"create table recipes (recipeName varChar unique, recipeText varChar, recipeKeywords varChar, "
                       "recipePhoto Blob)",
                       "insert into recipes values ('pie', 'Line one' || char(13) || 'Line {two} \\ back', "
                       "'dessert', X'FFD8000102FFD9')",
                       "insert into recipes values ('Zest', '½ cup at 350°F' || char(13) || char(10) || 'done', NULL, "
                       "NULL)",
                       "insert into recipes values ('apple', '', 'fruit', NULL)"});
    }
    void expectUpgradeNotices() { ui.dialogs().expectMsgBox(M::kAddingRating).expectMsgBox(M::kAddingRtf); }
    void expectConversionQuestion(const char* answer) {
        ui.dialogs().expectMessageDialogPressing(M::kConversionQuestion, answer);
    }
    // A current database with `freeBytes` of free pages: 6 MB are most of
    // the file, worth a compaction; 200 KB are not.
    void buildCurrentWithFreePages(int freeBytes = 6000000) {
        makeDataFolder();
        buildCurrentDatabase(databasePath(), {{"Bread", "knead", "{\\rtf1 knead}"}, {"Jam", "boil", "{\\rtf1 boil}"}});
        buildDatabase(databasePath(), {"create table scratch (x)",
                                       "insert into scratch values (zeroblob(" + std::to_string(freeBytes) + "))",
                                       "drop table scratch"});
        ASSERT_GT(freePages(), 0);
    }
    Rows everyRecipe() { return selectRows(databasePath(), "select rowID,* from recipes order by rowID"); }
    // A commit of the start that fails names the commit, not a vacuum that never
    // ran: the one after the new column, and the one at the end that holds the rebuild.
    void expectFailedCommitOfTheStart(int occurrence) {
        makeDataFolder();
        const std::vector<std::string> oldLayout = {
            "create table recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
            "recipeKeywords varChar, recipePhoto Blob)",
            "insert into recipes values ('b', 'plain b', '{\\rtf1 plain b}', NULL, NULL)"};
        buildDatabase(databasePath(), oldLayout);
        const Rows before = recipes();
        SqlStatementFault fault("commit", occurrence);
        ui.dialogs().expectMsgBox(M::kAddingRating);
        ui.dialogs().expectMsgBox(M::withReason(M::kDB010, "interrupted"));
        startApp();
        EXPECT_TRUE(fault.fired());
        expectQuitWithoutMainWindow();
        EXPECT_EQ(recipes(), before);
    }
    // The rebuild's statement fails: DB004, and the old table with every
    // recipe is still there.
    void expectRebuildFailureLeavesTheRecipes(const std::string& statement, int occurrence) {
        buildOldestLayout();
        const Rows before = recipes();
        SqlStatementFault fault(statement, occurrence);
        expectUpgradeNotices();
        ui.dialogs().expectMsgBox(M::withReason(M::kDB004, "interrupted"));
        startApp();
        EXPECT_TRUE(fault.fired());
        expectQuitWithoutMainWindow();
        EXPECT_EQ(recipes(), before);
        EXPECT_EQ(schema("recipes2"), "");
    }
    void expectQuitWithoutMainWindow() {
        EXPECT_TRUE(ui.loopEnded());
        EXPECT_EQ(ui.exitCode(), 0);
        EXPECT_FALSE(Main().isShown());
    }
};
}  // namespace

TEST_F(OpenDatabase, FirstStartCreatesTheFolderTheFileAndAnEmptyTable) {
    expectDatabaseCreated();
    startApp();
    EXPECT_EQ(schema(), "CREATE TABLE recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
                        "recipeKeywords varChar, recipeRating integer, recipePhoto Blob)");
    EXPECT_TRUE(recipes().empty());
    EXPECT_TRUE(App().db->IsConnected());
    EXPECT_FALSE(App().db->InTransaction());
    EXPECT_EQ(FolderItem(databasePath()).MacType(), "RSdb");
    EXPECT_TRUE(Main().isShown());
}

TEST_F(OpenDatabase, DecliningToCreateQuitsAndCreatesNoFile) {
    ui.dialogs().expectMessageDialogPressing(M::missingFileQuestion(), M::kQuitMoveBackButton);
    startApp();
    expectQuitWithoutMainWindow();
    EXPECT_TRUE(std::filesystem::is_directory(dataFolder()));
    EXPECT_FALSE(fileExists(databasePath()));
    const UiCall& question = ui.dialogs().calls().at(0);
    EXPECT_EQ(question.captions, (std::vector<std::string>{M::kCreateButton, M::kQuitMoveBackButton}));
    EXPECT_EQ(question.explanation, "");
}

TEST_F(OpenDatabase, AFolderThatCannotBeMadeEndsBeforeAnyQuestion) {
    writeBytes(dataFolder(), "a file where the folder belongs");
    ui.dialogs().expectMsgBox(M::kFolderMissing);
    startApp();
    expectQuitWithoutMainWindow();
}

TEST_F(OpenDatabase, TheOldestLayoutIsUpgradedRebuiltInNameOrderAndConverted) {
    buildOldestLayout();
    const Rows before =
        selectRows(databasePath(), "select recipeName,recipeText,recipeKeywords,recipePhoto from recipes");
    expectUpgradeNotices();
    expectConversionQuestion("&No");
    startApp();
    ASSERT_FALSE(ui.loopEnded());
    expectCurrentLayout();  // the old unique constraint is gone too
    // Renumbered by name, upper case first.
    EXPECT_EQ(selectRows(databasePath(), "select rowID, recipeName from recipes order by rowID"),
              (Rows{{text("1"), text("Zest")}, {text("2"), text("apple")}, {text("3"), text("pie")}}));
    Rows after = selectRows(databasePath(), "select recipeName,recipeText,recipeKeywords,recipePhoto from recipes");
    std::sort(after.begin(), after.end());
    Rows expected = before;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);  // text, keywords (NULL too) and photo bytes as they were
    for (const auto& row : recipes("recipeText,recipeRtfText")) {
        ASSERT_TRUE(row[1]);
        EXPECT_THAT(*row[1], StartsWith("{\\rtf"));
        StyledText styled;
        ASSERT_TRUE(styled.SetRTFData(*row[1]));
        StyledText plain(row[0].value_or(""));
        EXPECT_EQ(styled.Text(), plain.Text());
    }
    EXPECT_FALSE(App().db->InTransaction());
    EXPECT_TRUE(Main().isShown());
}

TEST_F(OpenDatabase, ARebuildWithStyledFirstRowNeedsNoConversionAndIsCommitted) {
    makeDataFolder();
    buildDatabase(databasePath(),
                  {"create table recipes (recipeName varChar, recipeText varChar, recipeRtfText varChar, "
                   "recipeKeywords varChar, recipePhoto Blob)",
                   "insert into recipes values ('b', 'plain b', '{\\rtf1 plain b}', NULL, NULL)",
                   "insert into recipes values ('a', 'plain a', '{\\rtf1 plain a}', NULL, NULL)"});
    ui.dialogs().expectMsgBox(M::kAddingRating);  // and nothing else: no DB009
    startApp();
    ASSERT_FALSE(ui.loopEnded());
    EXPECT_EQ(recipes("rowID,recipeName"), (Rows{{text("1"), text("a")}, {text("2"), text("b")}}));
    expectCurrentLayout();
    EXPECT_FALSE(App().db->InTransaction());  // the rebuild was committed where the compaction would run
}

TEST_F(OpenDatabase, AnOldTableWithNoRowsIsRebuiltAndLeftForTheNextCommit) {
    makeDataFolder();
    buildDatabase(databasePath(), {"create table recipes (recipeName varChar, recipeText varChar)"});
    expectUpgradeNotices();
    startApp();
    ASSERT_FALSE(ui.loopEnded());
    EXPECT_TRUE(App().db->InTransaction());
    App().db->Commit();
    expectCurrentLayout();
}

// The compaction rewrites the whole file before the first window, seconds at
// 100,000 recipes: the window for long start-up work shows before it begins
// and the event loop turns (paints) while it runs.
TEST_F(OpenDatabase, ACurrentDatabaseChangesOnlyByBeingCompacted) {
    buildCurrentWithFreePages();
    const Rows before = selectRows(databasePath(), "select rowID,* from recipes order by rowID");
    std::vector<std::pair<std::string, int64_t>> shownAtTurns;  // (front window, free pages) at each turn
    services().yield = [&] {
        const std::vector<Window*> windows = WindowList::frontToBack();
        shownAtTurns.emplace_back(windows.empty() ? "" : std::string(windows.front()->Title), freePages());
    };
    startApp();  // no dialog at all
    services().yield = [] {};
    ASSERT_FALSE(ui.loopEnded());
    ASSERT_FALSE(shownAtTurns.empty()) << "the event loop never turned before the first window";
    EXPECT_EQ(shownAtTurns.front().first, "Compacting Database...");
    EXPECT_GT(shownAtTurns.front().second, 0) << "shown before the compaction began";
    EXPECT_EQ(WindowList::frontToBack().size(), 1u);  // the compaction's window closed again: only Main
    EXPECT_EQ(selectRows(databasePath(), "select rowID,* from recipes order by rowID"), before);
    EXPECT_EQ(freePages(), 0);
    // A second start finds nothing to do.
    const std::string bytes = readBytes(databasePath());
    shownAtTurns.clear();
    services().yield = [&] { shownAtTurns.emplace_back("a turn", 0); };
    App().db->Close();
    App().openDatabase();
    services().yield = [] {};
    EXPECT_TRUE(App().db->IsConnected());
    EXPECT_EQ(readBytes(databasePath()), bytes);
    EXPECT_TRUE(shownAtTurns.empty()) << "nothing to compact, nothing shown";
}

TEST_F(OpenDatabase, OpeningAgainAfterCloseReconnects) {
    makeDataFolder();
    buildCurrentDatabase(databasePath(), {{"Bread", "knead", "{\\rtf1 knead}"}});
    startApp();
    App().db->Close();
    App().db->SQLSelect("select * from recipes");
    EXPECT_TRUE(App().db->Error());
    App().openDatabase();
    EXPECT_TRUE(App().db->IsConnected());
    EXPECT_FALSE(App().db->Error());
    EXPECT_EQ(App().dbfile->AbsolutePath(), databasePath());
}

TEST_F(OpenDatabase, AFileThatIsNoDatabaseFailsToConnectAndIsLeftAlone) {
    makeDataFolder();
    const std::string garbage(4096, 'x');
    writeBytes(databasePath(), garbage);
    ui.dialogs().expectMsgBox(::testing::AllOf(StartsWith("Error DB001: Couldn't connect to the database. "),
                                               HasSubstr("not a database")));
    startApp();
    expectQuitWithoutMainWindow();
    EXPECT_EQ(readBytes(databasePath()), garbage);
}

TEST_F(OpenDatabase, AFailedCopySelectDropsNothing) { expectRebuildFailureLeavesTheRecipes("order by recipeName", 1); }

TEST_F(OpenDatabase, AFailedRowCopyRollsTheRebuildBack) {
    expectRebuildFailureLeavesTheRecipes("insert into recipes2", 2);
}

TEST_F(OpenDatabase, AFailedVacuumLeavesTheRecipes) {
    buildCurrentWithFreePages();
    const Rows before = everyRecipe();
    SqlStatementFault fault("vacuum");
    ui.dialogs().expectMsgBox(M::withReason(M::kDB009, "interrupted"));
    startApp();
    EXPECT_TRUE(fault.fired());
    expectQuitWithoutMainWindow();
    EXPECT_EQ(everyRecipe(), before);
}

TEST_F(OpenDatabase, AFailedCommitOfTheNewColumnIsToldAsACommit) { expectFailedCommitOfTheStart(1); }

TEST_F(OpenDatabase, AFailedCommitAtTheEndOfTheStartIsToldAsACommit) { expectFailedCommitOfTheStart(2); }

// A deleted recipe or two leave a few free pages: rewriting the whole file
// for them is not worth its time, so the file is not touched at all.
TEST_F(OpenDatabase, AFewFreePagesAreLeftForLaterRecipes) {
    buildCurrentWithFreePages(200000);
    const std::string bytes = readBytes(databasePath());
    startApp();
    ASSERT_FALSE(ui.loopEnded());
    EXPECT_EQ(readBytes(databasePath()), bytes);
}

// Another program reading the file: the compaction cannot have it and is
// left to a later start, which then compacts.
TEST_F(OpenDatabase, ACompactionTheFileIsBusyForWaitsForALaterStart) {
    buildCurrentWithFreePages();
    const Rows before = everyRecipe();
    const int64_t freeBefore = freePages();
    {
        DatabaseLock reader(databasePath(), DatabaseLock::Kind::Read);
        startApp();  // no message: the scripted dialogs fail the test on any
        ASSERT_FALSE(ui.loopEnded());
        EXPECT_TRUE(Main().isShown());
        EXPECT_FALSE(App().db->Error());
    }
    EXPECT_EQ(freePages(), freeBefore);
    App().db->Close();
    App().openDatabase();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_EQ(freePages(), 0);
    EXPECT_EQ(everyRecipe(), before);
}

// A second copy starting while the first one holds the file for a while
// (compacting it, say) waits for it instead of quitting "database is locked".
TEST_F(OpenDatabase, ALockHeldForSecondsIsWaitedOut) {
    makeDataFolder();
    buildCurrentDatabase(databasePath(), {{"Bread", "knead", "{\\rtf1 knead}"}});
    DatabaseLock other(databasePath(), DatabaseLock::Kind::Exclusive);
    std::thread release([&other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));  // longer than a statement's usual wait
        other.release();
    });
    startApp();
    release.join();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_TRUE(Main().isShown());
}

// A lock held through the whole wait is told as DB001 after that one wait:
// the file is connected to once, however small it is.
TEST_F(OpenDatabase, ALockHeldThroughTheStartIsToldAfterOneWait) {
    makeDataFolder();
    buildCurrentDatabase(databasePath(), {{"Bread", "knead", "{\\rtf1 knead}"}});
    DatabaseLock other(databasePath(), DatabaseLock::Kind::Exclusive);
    SqlStatementFault counter("no statement of the start", 1);  // counts the connections only
    ui.dialogs().expectMsgBox(M::notConnected("database is locked"));
    startApp();
    EXPECT_EQ(counter.connectionsOpened(), 1);
    expectQuitWithoutMainWindow();
}

// The table is committed before "created" shows: a program ended while the
// box is up leaves a database that opens. And a file with no table at all
// (0 bytes, or left by a creation ended before its commit) is a new
// database: it is offered to be created, not reported as broken.
TEST_F(OpenDatabase, TheNewTableIsCommittedBeforeTheBoxSaysSo) {
    makeDataFolder();
    bool committedWhenShown = false;
    ui.dialogs()
        .expectMessageDialogPressing(M::missingFileQuestion(), M::kCreateButton)
        .expectMsgBox(M::kCreated, 1, [&] { committedWhenShown = !schema().empty(); });
    startApp();
    EXPECT_TRUE(committedWhenShown);
    EXPECT_TRUE(Main().isShown());
}

TEST_F(OpenDatabase, AFileOfNoBytesIsANewDatabase) {
    makeDataFolder();
    writeBytes(databasePath(), "");
    expectDatabaseCreated();
    startApp();
    EXPECT_TRUE(Main().isShown());
    expectCurrentLayout();
}

TEST_F(OpenDatabase, AFileWithoutAnyTableIsANewDatabase) {
    makeDataFolder();
    buildDatabase(databasePath(), {"pragma user_version = 0"});
    expectDatabaseCreated();
    startApp();
    EXPECT_TRUE(Main().isShown());
    expectCurrentLayout();
}
