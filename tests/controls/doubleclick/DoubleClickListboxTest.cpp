// The list's double-click test: same cell, at most the interval apart,
// measured from the end of the previous click's handling.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/ui/Window.h"
#include "tests/support/UiDriver.h"

namespace {
struct ListWindow : Window {
    DoubleClickListbox* list;
    std::vector<std::string> events;
    ListWindow() {
        Width = 300;
        Height = 300;
        list = add<DoubleClickListbox>("recipeList");
        list->Left = 10;
        list->Top = 10;
        list->Width = 150;
        list->Height = 200;
        list->ColumnCount = 2;
        list->HasHeading = false;
        list->DefaultRowHeight = 18;
        for (const char* name : {"Apple pie", "Bread", "Chutney"}) list->AddRow(name);
        list->Open = [this] { events.push_back("open"); };
        list->CellDoubleClick = [this](int32_t row, int32_t column) {
            events.push_back("double " + std::to_string(row) + "," + std::to_string(column));
        };
        list->Change = [this] { events.push_back("change " + std::to_string(list->ListIndex.get())); };
    }
};

class DoubleClickListboxTest : public testing::Test {
protected:
    void SetUp() override {
        w.finishBuilding();
        w.runOpenEvents();
        w.events.clear();
    }
    bool click(int32_t row, int32_t column) { return w.list->handleCellClick(row, column, 3, 4); }

    UiDriver ui;  // fake clock, interval 20 ticks
    ListWindow w;
};
}  // namespace

TEST_F(DoubleClickListboxTest, OpenForgetsTheCellThenTellsTheWindow) {
    ListWindow fresh;
    EXPECT_EQ(fresh.list->mLastClickRow.get(), 0);
    fresh.list->mLastClickTicks = 77;
    fresh.finishBuilding();
    fresh.runOpenEvents();
    EXPECT_EQ(fresh.list->mLastClickRow.get(), -1);
    EXPECT_EQ(fresh.list->mLastClickColumn.get(), -1);
    EXPECT_EQ(fresh.list->mLastClickTicks.get(), 77) << "the time is kept";
    EXPECT_EQ(fresh.events, std::vector<std::string>{"open"});
}

TEST_F(DoubleClickListboxTest, ExactlyTheIntervalCountsOneTickMoreDoesNot) {
    EXPECT_FALSE(click(1, 0));
    ui.advanceTicks(ui.doubleClickTicks);
    EXPECT_FALSE(click(1, 0)) << "the click is never consumed";
    EXPECT_EQ(w.events, std::vector<std::string>{"double 1,0"});

    w.events.clear();
    ui.advanceTicks(ui.doubleClickTicks + 1);
    click(1, 0);
    EXPECT_TRUE(w.events.empty());
    EXPECT_EQ(w.list->mLastClickTicks.get(), ui.ticks());
}

TEST_F(DoubleClickListboxTest, OnlyTheSameCellCompletesADoubleClick) {
    click(1, 0);
    ui.advanceTicks(2);
    click(1, 1);  // same row, other column
    ui.advanceTicks(2);
    click(2, 1);  // same column, other row
    EXPECT_TRUE(w.events.empty());
}

TEST_F(DoubleClickListboxTest, ThreeQuickClicksGiveTwoDoubleClicks) {
    for (int i = 0; i < 3; ++i) {
        click(2, 0);
        ui.advanceTicks(3);
    }
    EXPECT_EQ(w.events, (std::vector<std::string>{"double 2,0", "double 2,0"}));
}

TEST_F(DoubleClickListboxTest, FirstClickAfterOpenNeverCompletesOne) {
    ui.advanceTicks(5 - ui.ticks());  // so early that the time alone would count
    ASSERT_LE(ui.ticks(), ui.doubleClickTicks);
    click(0, 0);
    EXPECT_TRUE(w.events.empty());
}

TEST_F(DoubleClickListboxTest, TheIntervalStartsWhenTheHandlerHasFinished) {
    w.list->CellDoubleClick = [this](int32_t, int32_t) {
        w.events.push_back("slow handler");
        ui.advanceTicks(100);
    };
    click(1, 0);
    ui.advanceTicks(1);
    click(1, 0);
    ui.advanceTicks(ui.doubleClickTicks);
    click(1, 0);
    EXPECT_EQ(w.events, (std::vector<std::string>{"slow handler", "slow handler"}));
}

TEST_F(DoubleClickListboxTest, ClicksOutsideTheCellsNeverMatchTheStateLeftByOpen) {
    click(-1, -1);
    ui.advanceTicks(1);
    click(-1, -1);
    EXPECT_TRUE(w.events.empty());
    EXPECT_EQ(w.list->mLastClickRow.get(), -1);
}

TEST_F(DoubleClickListboxTest, UserDoubleClickOnARowSelectsItAndReportsTheCell) {
    // CellClick is declared but never raised: a handler bound to it cannot
    // keep the click from selecting the row.
    w.list->CellClick = [this](int32_t, int32_t, int32_t, int32_t) {
        w.events.push_back("cell click");
        return true;
    };
    ui.doubleClick(*w.list, 20, 18 + 9);  // the middle of row 1, first column
    EXPECT_EQ(w.events, (std::vector<std::string>{"change 1", "double 1,0"}));

    w.events.clear();
    ui.advanceTicks(ui.doubleClickTicks + 1);
    ui.doubleClick(*w.list, 20, 150);  // below the last row, twice
    EXPECT_EQ(std::count(w.events.begin(), w.events.end(), "double -1,-1"), 0);
    for (const std::string& e : w.events) EXPECT_EQ(e.rfind("double", 0), std::string::npos) << e;
}
