// Renaming a recipe in its list cell, and the header click that re-reads
// the list and sorts it.
#include <QHeaderView>
#include <algorithm>

#include "framework/ui/controls/ListboxView.h"
#include "tests/support/MainWindowFixture.h"

namespace {

const std::vector<TestRecipe> kThree = {recipe("Apple Tart"), recipe("Cake"), recipe("bread")};

// List coordinates inside the first row, below the heading.
constexpr int32_t kFirstRowY = 28;

}  // namespace

TEST_F(MainWindowTest, RenamingInTheCellSavesOnLeavingTheNameFieldAndKeepsTheRecipe) {
    start(kThree);
    DoubleClickListbox& list = *w().recipeList;
    ui.doubleClick(list, 20, kFirstRowY);
    ASSERT_EQ(w().recRowID, 1);

    ui.type(list, "Zesty Tart");
    EXPECT_EQ(std::string(w().recipeName->Text), "Zesty Tart") << "the name field follows the edit";
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Apple Tart") << "the edit stores nothing";

    ui.key(list, "\r");  // ends the edit, once the loop turns
    ui.settle();
    EXPECT_TRUE(w().lastKeyPressed.empty()) << "the editor's Return is no type-ahead";
    EXPECT_EQ(w().Focus(), w().recipeName);
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Apple Tart");

    ui.setFocus(list);  // leaving the name field saves it
    EXPECT_EQ(value("select recipeName from recipes where rowID = 1"), "Zesty Tart");
    EXPECT_EQ(w().recRowID, 1) << "the renamed recipe stays shown";
    ASSERT_GE(list.ListIndex, 0);
    EXPECT_EQ(list.List(list.ListIndex), "Zesty Tart");
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Cake", "Zesty Tart", "bread"})) << "in its sorted place";
}

// The name field copies each keystroke back into the cell being edited; the
// list must not reset its editor for that, or the caret jumps to the end.
TEST_F(MainWindowTest, EditingInTheMiddleOfTheNameKeepsTheCaretWhereTheUserTypes) {
    start(kThree);
    DoubleClickListbox& list = *w().recipeList;
    ui.doubleClick(list, 20, kFirstRowY);
    ui.type(list, "Tart");
    for (int i = 0; i < 4; ++i) ui.key(list, "\x1C");  // to the start
    ui.type(list, "Pear ");
    EXPECT_EQ(std::string(w().recipeName->Text), "Pear Tart");
    ui.key(list, "\r");
    ui.settle();
}

TEST_F(MainWindowTest, TheHeaderReReadsTheListKeepingTheRecipeAndThenSortsIt) {
    start(kThree);
    DoubleClickListbox& list = *w().recipeList;
    list.ListIndex = 1;  // Cake
    ui.click(list, 20, 5);
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(list.List(list.ListIndex), "Cake");
    const std::vector<std::string> ascending = listedNames();

    ui.click(list, 20, 5);  // the other direction
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(list.List(list.ListIndex), "Cake");
    std::vector<std::string> descending = listedNames();
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(descending, ascending);
}

// The mark on the heading says how the rows are ordered, so a refill (here a
// search and its clearing) comes in the mark's order, not the query's, whose
// order puts capitals first.
TEST_F(MainWindowTest, AfterEveryRefillTheRowsFollowTheSortMark) {
    start(kThree);
    DoubleClickListbox& list = *w().recipeList;
    const QHeaderView& header = *list.view()->horizontalHeader();
    const std::vector<std::string> ascending = {"Apple Tart", "bread", "Cake"};
    ui.click(list, 20, 5);
    ASSERT_TRUE(header.isSortIndicatorShown());
    ASSERT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    EXPECT_EQ(listedNames(), ascending);
    search("a");
    EXPECT_EQ(listedNames(), ascending);

    ui.click(list, 20, 5);
    ASSERT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
    search("\b");  // the search emptied: every recipe again
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"Cake", "bread", "Apple Tart"}));
    EXPECT_EQ(list.ListIndex.get(), 0) << "the first row the user sees is shown";
    EXPECT_EQ(w().recRowID, 2);
}
