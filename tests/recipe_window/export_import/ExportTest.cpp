// The recipe export: the exact bytes of the file, the save dialog, and what
// the user is told when the export cannot be made.
#include <gmock/gmock.h>

#include <sys/resource.h>

#include <csignal>

#include <algorithm>
#include <filesystem>

#include "framework/files/FolderItem.h"
#include "framework/runtime/Clock.h"
#include "framework/runtime/Services.h"
#include "tests/framework/files/FileTestSupport.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/SqlStatementFault.h"

namespace {

using testing::HasSubstr;
using testing::StartsWith;

constexpr int64_t kMarch7th2009Noon = 1236427200LL * 1000000;

struct ExportTest : MainWindowTest {
    std::string exportPath() { return ui.folder("Home") + "/export.txt"; }

    // Export chosen from the File menu, saved as exportPath().
    void exportAnswering(ScriptedUiService::TextMatcher message) {
        ui.dialogs().expectSaveFile(exportPath()).expectMsgBox(message);
        ui.chooseMenu("FileExportrecipes");
    }
};

TEST_F(ExportTest, OneLinePerRecipeByNameWithTabsDroppedAndParagraphBreaksAsReturns) {
    start({recipe("Bread", "yeast\tflour", 0, std::string("Knead\r\tRise\rBake\nCool\r\nSlice")),
           recipe("apple pie", "", 5, std::string("Peel")), recipe("Apple", "fruit", 0, std::nullopt),
           recipe("Cake\tbig", "sweet", 3, std::string("It's done"))});
    exportAnswering("Recipe export complete.");
    // Name order as the database sorts it: upper case before lower case.
    EXPECT_EQ(readBytes(exportPath()),
              "Apple\tfruit\t\n"
              "Bread\tyeastflour\tKnead\rRise\rBake\rCool\rSlice\n"
              "Cakebig\tsweet\tIt's done\n"
              "apple pie\t\tPeel\n");
    // As the tools of this platform read it: one recipe a line.
    EXPECT_EQ(commandOutput("wc -l < '" + exportPath() + "'"), "4\n");
    EXPECT_EQ(commandOutput("cut -f1 '" + exportPath() + "'"), "Apple\nBread\nCakebig\napple pie\n");
}

TEST_F(ExportTest, TheFileIsTypedAsTextForTheTextEditor) {
    start({recipe("Bread")});
    exportAnswering("Recipe export complete.");
    auto file = FolderItem::fromPath(exportPath());
    EXPECT_EQ(file->MacType(), "TEXT");
    EXPECT_EQ(file->MacCreator(), "ttxt");
}

TEST_F(ExportTest, AnEmptyDatabaseGivesAnEmptyFile) {
    start({});
    exportAnswering("Recipe export complete.");
    ASSERT_TRUE(std::filesystem::exists(exportPath()));
    EXPECT_EQ(readBytes(exportPath()), "");
}

TEST_F(ExportTest, TheSaveDialogSuggestsTodaysNameOnTheDesktop) {
    start({recipe("Bread")});
    ui.advanceMicroseconds(kMarch7th2009Noon);
    ui.dialogs().expectSaveFile(std::nullopt);  // cancelled: nothing written, nothing said
    ui.chooseMenu("FileExportrecipes");
    const UiCall& call = ui.dialogs().calls().back();
    EXPECT_EQ(call.file.title, "Save Recipe Export");
    EXPECT_EQ(call.file.suggestedFileName, "RecipeExport-2009-03-07.txt");
    EXPECT_EQ(std::filesystem::canonical(call.file.initialDirectory),
              std::filesystem::canonical(ui.folder("Desktop")));
    EXPECT_TRUE(std::filesystem::is_empty(ui.folder("Desktop")));
}

TEST_F(ExportTest, AnExistingFileIsReplacedWhole) {
    start({recipe("Bread", "", 0, std::string("Knead"))});
    writeBytes(exportPath(), std::string(10000, 'x'));
    exportAnswering("Recipe export complete.");
    EXPECT_EQ(readBytes(exportPath()), "Bread\t\tKnead\n");
}

TEST_F(ExportTest, TheRecipeBeingEditedIsExportedAsTheUserSeesIt) {
    start({recipe("Bread", "", 0, std::string("Knead"))});
    ui.setFocus(*w().RecipeText);
    w().RecipeText->Text = std::string("Knead twice");
    exportAnswering("Recipe export complete.");
    EXPECT_EQ(readBytes(exportPath()), "Bread\t\tKnead twice\n");
}

TEST_F(ExportTest, AFailedQueryLeavesTheOldFileAndIsNotReportedAsComplete) {
    SqlStatementFault fault("select recipeName, recipeKeywords, recipeText");
    start({recipe("Bread")});
    writeBytes(exportPath(), "yesterday's export\r");
    exportAnswering(StartsWith("Error EX001 querying the database."));
    EXPECT_TRUE(fault.fired());
    EXPECT_EQ(readBytes(exportPath()), "yesterday's export\r");
}

// A full disk, as the file size limit makes it: the write fails part way.
TEST_F(ExportTest, AWriteThatFailsLeavesTheOldFileAndNothingElseBehind) {
    start({recipe("Bread", "", 0, std::string(5000, 'k'))});
    writeBytes(exportPath(), "yesterday's export\r");
    ui.dialogs().expectSaveFile(exportPath()).expectMsgBox(HasSubstr("The recipes were not exported."));
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 1000;
    auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    ui.chooseMenu("FileExportrecipes");
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(readBytes(exportPath()), "yesterday's export\r");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ui.folder("Home")), {}), 1);
}

TEST_F(ExportTest, AFolderThatIsMissingIsReported) {
    start({recipe("Bread")});
    ui.dialogs()
        .expectSaveFile(ui.folder("Home") + "/gone/export.txt")
        .expectMsgBox(HasSubstr("The recipes were not exported."));
    ui.chooseMenu("FileExportrecipes");
    EXPECT_FALSE(std::filesystem::exists(ui.folder("Home") + "/gone"));
}

TEST_F(ExportTest, TheRecipeDatabaseItselfIsNeverReplacedByAnExport) {
    start({recipe("Bread")});
    ui.dialogs()
        .expectSaveFile(databasePath())
        .expectMsgBox("Error EX003: The recipes cannot be exported over the recipe database.");
    ui.chooseMenu("FileExportrecipes");
    EXPECT_EQ(value("select recipeName from recipes"), "Bread");
}

TEST_F(ExportTest, ALongExportLetsTheWindowPaintAboutOnceATickNotOncePerRow) {
    std::vector<TestRecipe> recipes;
    for (int i = 0; i < 60; ++i) recipes.push_back(recipe("Recipe " + std::to_string(100 + i)));
    start(recipes);
    int64_t now = 0;
    Clock::setFake([&now] { return now += 4000; });  // each look at the clock: 4 ms later
    const int before = yieldCount();
    exportAnswering("Recipe export complete.");
    const int turns = yieldCount() - before;
    EXPECT_GE(turns, 10);
    EXPECT_LE(turns, 20);
    const std::string lines = readBytes(exportPath());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 60);
}

TEST_F(ExportTest, FilterTabsDropsTabsAndWritesEachParagraphBreakAsOneReturn) {
    start({});
    EXPECT_EQ(w().tab(), "\t");
    EXPECT_EQ(w().filterTabs("a\t\rb\r\nc\t\n\nd"), "a\rb\rc\r\rd");
    EXPECT_EQ(w().filterTabs(std::string("\0\t\0", 3)), std::string("\0\0", 2));
}

}  // namespace
