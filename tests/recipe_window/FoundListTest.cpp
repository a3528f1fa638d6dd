// Filling the list, live search in every scope, showing the selected recipe.
#include <QAbstractScrollArea>
#include <QEvent>

#include "app/Larderwise.h"
#include "framework/data/MemoryBlock.h"
#include "framework/graphics/Picture.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/SplitSelect.h"
#include "framework/runtime/Services.h"
#include "framework/ui/controls/ListboxModel.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/support/SqlStatementFault.h"
#include "tests/support/TestDatabase.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

const std::vector<TestRecipe> kPies = {
    recipe("Mom's Pie", "dessert", 4, "apples"),
    recipe("Apple Tart", "it's sweet", 3, "100% butter"),
    recipe("Bread", "daily", 4, "flour_water"),
    recipe("pie crust", "base", 0, "flour"),
};

}  // namespace

TEST_F(MainWindowTest, StartUpListsEveryRecipeByNameAndShowsTheFirst) {
    start(kPies);
    // SQLite's binary order: capitals before small letters.
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart", "Bread", "Mom's Pie", "pie crust"));
    EXPECT_EQ(std::string(w().recipeCount->Text), "4 Recipes");
    EXPECT_EQ(w().recipeList->ListIndex, 0);
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(std::string(w().recipeName->Text), "Apple Tart");
    EXPECT_EQ(std::string(w().recipeKeywords->Text), "it's sweet");
    EXPECT_EQ(w().recipeRating->rating, 3);
    EXPECT_EQ(std::string(w().RecipeText->Text), "100% butter");
    EXPECT_EQ(w().recipeList->Cell(0, 1).str(), "2");
    EXPECT_EQ(static_cast<ListboxTag>(w().recipeList->CellTag(0, 0)).Int64Value(), 2);
}

TEST_F(MainWindowTest, LiveSearchMatchesAsLikeDoesInEveryScope) {
    start(kPies);
    search("it's");  // Everywhere: the keywords of Apple Tart
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart"));
    EXPECT_EQ(std::string(w().recipeCount->Text), "1 Recipes");

    w().Searchfield().Text = std::string("PIE");  // LIKE ignores ASCII case
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Mom's Pie", "pie crust"));
    // % and _ keep their LIKE meaning: any run of characters, any one character.
    w().Searchfield().Text = std::string("%");
    ui.settle();
    EXPECT_EQ(listedNames().size(), 4u);
    w().Searchfield().Text = std::string("r_w");  // _ finds the underscore itself too
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Bread"));
    w().Searchfield().Text = std::string("o_r");  // ... and any other one character: "our"
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "pie crust"));
    w().Searchfield().Text = std::string("0%b");  // "100% butter" through the run "% "
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart"));

    w().RecipeSearchCntl_Search("'s", "Recipe Name");
    ui.settle();
    EXPECT_EQ(w().searchWhere, "RecipeName");
    EXPECT_THAT(listedNames(), ElementsAre("Mom's Pie"));
    w().RecipeSearchCntl_Search("4", "Recipe Rating");
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "Mom's Pie"));
    w().RecipeSearchCntl_Search("flour", "Recipe Text");
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "pie crust"));
    w().RecipeSearchCntl_Search("", "Recipe Keywords");
    ui.settle();
    EXPECT_EQ(listedNames().size(), 4u);

    // A search that finds the rows already listed selects the top row and
    // shows its recipe again, and a name another program changed is listed.
    w().recipeList->ListIndex = 2;
    w().RecipeSearchCntl_Search("e", "Everywhere");
    ui.settle();
    EXPECT_EQ(w().recipeList->ListIndex, 0);
    EXPECT_EQ(std::string(w().recipeName->Text), "Apple Tart");
    w().RecipeSearchCntl_Search("E", "Everywhere");  // the top row selected already
    ui.settle();
    EXPECT_EQ(std::string(w().recipeName->Text), "Apple Tart");
    ASSERT_NO_FATAL_FAILURE(runStatements(databasePath(), {"update recipes set recipeName = 'Brioche' where rowID = 3"}));
    w().RecipeSearchCntl_Search("", "Everywhere");
    ui.settle();
    EXPECT_THAT(listedNames(), ElementsAre("Apple Tart", "Brioche", "Mom's Pie", "pie crust"));
}

TEST_F(MainWindowTest, TheScopeMenuOffersTheFiveScopesAndAChoiceSearchesAgain) {
    start(kPies);
    w().Searchfield().Text = std::string("a");
    ui.settle();
    ui.dialogs().expectPopUp(std::string("Recipe Keywords"));
    ui.click(*w().searchControl->child<Canvas>("BgCanvas"), 10, 13);
    ui.settle();
    const UiCall& menu = ui.dialogs().calls().back();
    EXPECT_THAT(menu.captions, ElementsAre("Everywhere", "-", "Recipe Name", "Recipe Keywords", "Recipe Text",
                                           "Recipe Rating"));
    EXPECT_EQ(w().searchWhere, "RecipeKeywords");
    EXPECT_THAT(listedNames(), ElementsAre("Bread", "pie crust"));
}

TEST_F(MainWindowTest, ASearchThatFindsNothingEmptiesTheEditorsAndForgetsThePhoto) {
    start(kPies);
    w().myPic = NewPicture(10, 10);  // a photo shown before
    search("zzz");
    EXPECT_THAT(listedNames(), IsEmpty());
    EXPECT_EQ(std::string(w().recipeCount->Text), "0 Recipes");
    EXPECT_EQ(w().recipeList->ListIndex, -1);
    EXPECT_EQ(w().recRowID, 0);
    EXPECT_EQ(w().myPic, nullptr);
    EXPECT_EQ(std::string(w().recipeName->Text), "");
    EXPECT_EQ(std::string(w().RecipeText->Text), "");
    EXPECT_EQ(w().recipeRating->rating, 0);
}

TEST_F(MainWindowTest, SelectingARowShowsThatRecipeAndADeletedOneLeavesTheEditorsAlone) {
    start(kPies);
    w().recipeList->ListIndex = 2;
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(std::string(w().recipeName->Text), "Mom's Pie");
    execute({"delete from recipes where rowID = 3"});  // Bread, by another program
    ui.dialogs().expectMsgBox("Error RL001 updating the recipeList.");
    w().recipeList->ListIndex = 1;
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(std::string(w().recipeName->Text), "Mom's Pie");
    EXPECT_EQ(std::string(w().RecipeText->Text), "apples");
    EXPECT_EQ(w().recipeList->ListIndex, 2) << "the row lit is the recipe shown";
}

TEST_F(MainWindowTest, ARowWithoutRtfShowsItsPlainTextAndKeepsIt) {
    start({recipe("A", "", 0, "styled"), recipe("B", "", 0, "plain only", std::nullopt),
           recipe("C", "", 0, "not rtf", std::string("just words"))});
    w().recipeList->ListIndex = 1;
    EXPECT_EQ(std::string(w().RecipeText->Text), "plain only");
    w().recipeList->ListIndex = 2;
    EXPECT_EQ(std::string(w().RecipeText->Text), "not rtf");
    ui.setFocus(*w().RecipeText);
    ui.setFocus(*w().recipeKeywords);
    EXPECT_EQ(value("select recipeText from recipes where rowID = 2"), "plain only");
    EXPECT_EQ(value("select recipeText from recipes where rowID = 3"), "not rtf");
}

TEST_F(MainWindowTest, ANameWithATabStaysOneCellAndKeepsItsRow) {
    start({recipe("Alpha"), recipe("Beta\tGamma"), recipe("Delta")});
    EXPECT_EQ(w().recipeList->Cell(1, 0).str(), "Beta\tGamma");
    EXPECT_EQ(w().recipeList->Cell(1, 1).str(), "2");
    w().recipeList->ListIndex = 1;
    EXPECT_EQ(w().recRowID, 2);
    w().recipeList->userPressedHeader(0);  // the heading sorts the rows, tags and all
    w().recipeList->userPressedHeader(0);
    const int32_t row = w().recipeList->ListIndex;
    EXPECT_EQ(w().recipeList->Cell(row, 0).str(), "Beta\tGamma");
    EXPECT_EQ(static_cast<ListboxTag>(w().recipeList->CellTag(row, 0)).Int64Value(), 2);
    EXPECT_EQ(w().recRowID, 2);
}

TEST_F(MainWindowTest, AFailingListQueryTellsTheUserAndQuits) {
    SqlStatementFault fault("recipeName like", 1);
    start(kPies);
    ui.dialogs().expectMsgBox(
        "Error UFL001: Could not update the recipe list. Please report this error to the developer.");
    search("x");
    ui.settle();
    EXPECT_TRUE(fault.fired()) << fault.matches();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ui.exitCode(), 0);
}

// Another program renames a database file of its own over the one the
// program has open (a sync tool, a restore made by hand). The program reads
// and writes only the file it holds: the list never shows a recipe of the
// new file, the edit in progress goes into a copy kept of the held file
// beside it, the user is told, and the program quits leaving the new file
// as the other program made it.
class ReplacedDatabaseTest : public MainWindowTest {
protected:
    std::string database_;  // the file the program opened
    const std::string& database() const { return database_; }
    std::filesystem::path folder() const { return std::filesystem::path(database_).parent_path(); }

    void replaceTheFile() {
        database_ = App().db->DatabaseFilePath();
        const std::string other = (folder() / "from the other program.rsd").string();
        buildCurrentDatabase(other, {{"Zebra Cake", std::string("stripes"), std::string("{\\rtf1 stripes}")}});
        std::filesystem::rename(other, database());
        ui.dialogs().expectMsgBox(testing::AllOf(testing::HasSubstr("Another program replaced the recipe database"),
                                                 testing::HasSubstr("recipeDB kept ")));
    }

    // The copy the program kept, its names in rowID order.
    std::vector<std::string> keptNames() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder())) {
            if (entry.path().filename().string().rfind("recipeDB kept ", 0) != 0) continue;
            for (const Row& row : selectRows(entry.path().string(), "select recipeName from recipes order by rowID"))
                names.push_back(row[0].value_or("NULL"));
        }
        return names;
    }

    void expectTheNewFileUntouchedAndTheProgramEnded() {
        ui.settle();
        EXPECT_TRUE(ui.loopEnded());
        EXPECT_EQ(ui.exitCode(), 0);
        EXPECT_THAT(listedNames(), testing::Not(testing::Contains("Zebra Cake")));
        EXPECT_EQ(selectRows(database(), "select recipeName, recipeText from recipes"),
                  (Rows{{"Zebra Cake", "stripes"}}));
    }
};

TEST_F(ReplacedDatabaseTest, ASearchReadsNoOtherFileThanTheOneHeld) {
    start(kPies);
    replaceTheFile();
    search("a");
    expectTheNewFileUntouchedAndTheProgramEnded();
    EXPECT_THAT(keptNames(), ElementsAre("Mom's Pie", "Apple Tart", "Bread", "pie crust"));
}

// A backup copies the file at the path: it would pass the other program's
// file off as this one's.
TEST_F(ReplacedDatabaseTest, ABackupCopiesNoOtherFileThanTheOneHeld) {
    start(kPies);
    replaceTheFile();
    w()._FileBackupDatabase_Action();
    expectTheNewFileUntouchedAndTheProgramEnded();
    EXPECT_THAT(keptNames(), ElementsAre("Mom's Pie", "Apple Tart", "Bread", "pie crust"));
    for (const auto& entry : std::filesystem::directory_iterator(folder()))
        EXPECT_EQ(entry.path().filename().string().find("backup"), std::string::npos) << entry.path();
}

TEST_F(ReplacedDatabaseTest, TheEditInProgressIsStoredInTheKeptCopy) {
    start(kPies);
    w().recipeName->Text = std::string("Apple Tart with cream");  // shown first, stored at the next search
    replaceTheFile();
    search("a");
    expectTheNewFileUntouchedAndTheProgramEnded();
    EXPECT_THAT(keptNames(), ElementsAre("Mom's Pie", "Apple Tart with cream", "Bread", "pie crust"));
}

// A refill (leaving a field, a rename, the list's Open, a restore) reads the
// list as the live search reads it, in as many parts on the search's mapped
// connections, rather than whole on the program's own connection, which
// copies every page it reads.
TEST_F(MainWindowTest, ARefillReadsTheListInTheSearchsPartsAndListsWhatTheSearchListed) {
    SqlStatementFault partReads("rowID between", 1'000'000);  // counts, never fails
    start(kPies);
    search("pie");
    const std::vector<std::string> searched = listedNames();
    EXPECT_THAT(searched, ElementsAre("Mom's Pie", "pie crust"));

    const int before = partReads.matches();
    w().updateFoundList(0, "pie");
    const size_t parts = partsToReadIn();  // four rowIDs give each part a range
    EXPECT_EQ(partReads.matches() - before, parts > 1 ? static_cast<int>(parts) : 0);
    EXPECT_EQ(listedNames(), searched);
    EXPECT_FALSE(partReads.fired());
}

// A search's list reaches the view in one batch (built on the search's
// thread, one model reset), so a key typed while 100,000 rows arrive waits
// for a swap, not for every row to be added and the view reset twice.
TEST_F(MainWindowTest, ASearchsListReachesTheViewInOneReset) {
    start(kPies);
    int resets = 0;
    QObject::connect(w().recipeList->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    search("pie");
    EXPECT_THAT(listedNames(), ElementsAre("Mom's Pie", "pie crust"));
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(static_cast<ListboxTag>(w().recipeList->CellTag(1, 0)).Int64Value(), 4);
    EXPECT_EQ(w().recipeList->Cell(1, 1).str(), "4");
}

// Once the user sorted by the heading, a search's or a refill's rows come
// sorted from the search's thread: the event loop resets the list once, as
// for an unsorted list, and selects the recipe asked for where it landed.
TEST_F(MainWindowTest, ASortedListsRowsAreSortedOnTheSearchsThread) {
    start(kPies);
    w().recipeList->userPressedHeader(0);
    w().recipeList->userPressedHeader(0);  // descending
    int resets = 0;
    QObject::connect(w().recipeList->model(), &QAbstractItemModel::modelReset, [&] { ++resets; });
    search("pie");
    EXPECT_THAT(listedNames(), ElementsAre("pie crust", "Mom's Pie"));
    EXPECT_EQ(resets, 1);
    w().updateFoundList(2, "");
    EXPECT_THAT(listedNames(), ElementsAre("pie crust", "Mom's Pie", "Bread", "Apple Tart"));
    EXPECT_EQ(resets, 2);
    EXPECT_EQ(w().recipeList->ListIndex(), 3);
    EXPECT_EQ(w().recRowID, 2);
}

// Freeing the rows of a long list would hold up the event loop longer than
// a key may wait: the rows a search or a refill replaces are freed on the
// search's thread, which also finds the row to select.
TEST_F(MainWindowTest, TheRowsAListReplacesAreFreedOffTheEventLoop) {
    start(kPies);
    const std::thread::id loop = std::this_thread::get_id();
    for (const bool bySearch : {true, false}) {
        SCOPED_TRACE(bySearch ? "a search" : "a refill");
        std::atomic<bool> freed{false}, freedOnTheLoop{false};
        // A tag only the list holds goes with the rows that hold it.
        std::shared_ptr<MemoryBlock> marker(new MemoryBlock(1), [&, loop](MemoryBlock* block) {
            freedOnTheLoop = std::this_thread::get_id() == loop;
            delete block;
            freed = true;
        });
        w().recipeList->RowTag(0) = Variant(std::move(marker));
        if (bySearch) search("pie");
        else w().updateFoundList(4, "");
        for (int waited = 0; !freed && waited < 30'000; ++waited)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_TRUE(freed);
        EXPECT_FALSE(freedOnTheLoop);
    }
    EXPECT_EQ(w().recipeList->ListCount(), 4);
    EXPECT_EQ(w().recRowID, 4) << "the refill selected the recipe it was asked to";
    EXPECT_EQ(w().recipeList->ListIndex(), 3);
}

// Keys typed while a search reads reach the field at once; each one's
// search replaces the one before, so the list shown is the newest text's.
// The edit in progress is stored before each search reads, so the list
// finds it as stored.
TEST_F(MainWindowTest, KeysTypedDuringASearchShowAtOnceAndTheNewestTextsListIsShown) {
    start(kPies);
    ASSERT_NO_FATAL_FAILURE(runStatements(
        databasePath(), {"with recursive c(i) as (select 1 union all select i + 1 from c where i < 9000) "
                         "insert into recipes (recipeName, recipeText) select 'Salt ' || i, 'text' from c"}));
    w().recipeName->Text = std::string("Apple Salt");  // an edit not yet stored
    ui.type(w().Searchfield(), "s");
    EXPECT_EQ(value("select recipeName from recipes where rowID = 2"), "Apple Salt") << "stored before the search";
    ui.type(w().Searchfield(), "alt");
    EXPECT_EQ(std::string(w().Searchfield().Text), "salt");
    ui.settle();
    EXPECT_EQ(std::string(w().recipeCount->Text), "9001 Recipes");
    EXPECT_EQ(listedNames().front(), "Apple Salt");
    EXPECT_EQ(w().recRowID, 2);
    // Rows this many are built on several threads: each row's hidden rowID
    // and tag still belong to its name ("Salt i" is recipe i + 4).
    int mismatched = 0;
    for (int32_t row = 1; row < w().recipeList->ListCount(); ++row) {
        const std::string rowID = std::to_string(std::stoll(w().recipeList->List(row).substr(5)) + 4);
        mismatched += w().recipeList->Cell(row, 1).str() != rowID ||
                      std::to_string(static_cast<ListboxTag>(w().recipeList->CellTag(row, 0)).Int64Value()) != rowID;
    }
    EXPECT_EQ(mismatched, 0);
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_TRUE(ui.dialogs().calls().empty()) << "no error shown";
}

TEST_F(MainWindowTest, AShownRecipeBringsItsPhotoAndOneWithoutLeavesNone) {
    start({recipe("A"), recipe("B")});
    std::shared_ptr<Picture> photo = NewPicture(100, 50);
    ASSERT_TRUE(photo);
    ASSERT_NO_FATAL_FAILURE(runStatements(
        databasePath(), {{"update recipes set recipePhoto = ? where rowID = 2", {Variant(photo->toJPEG(80))}}}));

    w().recipeList->ListIndex = 1;
    ASSERT_TRUE(w().myPic);
    EXPECT_EQ(w().myPic->Width(), 100);
    EXPECT_EQ(w().myPic->Height(), 50);
    w().recipeList->ListIndex = 0;
    EXPECT_EQ(w().myPic, nullptr);
}

// The next handler may run for a while (a box, a long export): the list it
// leaves on screen must be the refilled one, drawn before the refill returns.
TEST_F(MainWindowTest, ARefillIsDrawnBeforeItReturns) {
    start({recipe("Apple Pie"), recipe("Bread")});
    ui.settle();
    auto* list = qobject_cast<QAbstractScrollArea*>(w().recipeList->widget());
    ASSERT_NE(list, nullptr);
    auto* counter = new PaintCounter(list->viewport());
    ASSERT_NO_FATAL_FAILURE(runStatements(databasePath(), {{"insert into recipes (recipeName) values ('Cake')", {}}}));
    w().updateFoundList(0, "");
    EXPECT_EQ(w().recipeList->ListCount(), 3);
    EXPECT_GT(counter->paints, 0) << "the list was drawn with its new rows before the refill returned";
}
