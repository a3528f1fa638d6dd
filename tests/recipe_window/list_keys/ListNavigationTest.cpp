// The rules behind next, previous and type-ahead, on plain numbers and names.
#include <gtest/gtest.h>

#include <vector>

#include "recipe_window/ListNavigation.h"

TEST(ListNavigation, NextAndPreviousWrapAtBothEndsAndStartFromNoSelection) {
    EXPECT_EQ(nextRow(0, 3), 1);
    EXPECT_EQ(nextRow(2, 3), 0);
    EXPECT_EQ(nextRow(-1, 3), 0);
    EXPECT_EQ(previousRow(1, 3), 0);
    EXPECT_EQ(previousRow(0, 3), 2);
    EXPECT_EQ(previousRow(-1, 3), 2);
    EXPECT_EQ(nextRow(0, 1), 0);
    EXPECT_EQ(previousRow(0, 1), 0);
    EXPECT_EQ(nextRow(-1, 0), -1);
    EXPECT_EQ(previousRow(-1, 0), -1);
}

TEST(ListNavigation, KeysUnderThirtyTicksApartExtendThePrefixAcrossTheTickWrap) {
    EXPECT_EQ(extendTypeAhead("b", 100, 129, "r"), "br");
    EXPECT_EQ(extendTypeAhead("b", 100, 130, "r"), "r");
    EXPECT_EQ(extendTypeAhead("", 0, 10, "a"), "a");
    // The tick count wraps at 32 bits; 20 ticks across the wrap are 20 ticks.
    EXPECT_EQ(extendTypeAhead("b", INT32_MAX - 9, INT32_MIN + 10, "r"), "br");
    // A clock that went back counts as a quick key, as the difference is negative.
    EXPECT_EQ(extendTypeAhead("b", 500, 400, "r"), "br");
}

TEST(ListNavigation, FirstRowBeginningWithThePrefixIgnoresCase) {
    const std::vector<std::string> names = {"Apple Tart", "BROWNIES", "bread", "Crème brûlée", "crêpes", ""};
    auto nameOf = [&](int32_t row) { return names[row]; };
    const auto count = static_cast<int32_t>(names.size());
    EXPECT_EQ(firstRowBeginningWith("br", count, nameOf), 1);
    EXPECT_EQ(firstRowBeginningWith("BRE", count, nameOf), 2);
    EXPECT_EQ(firstRowBeginningWith("CRÊ", count, nameOf), 4) << "letters beyond ASCII";
    EXPECT_EQ(firstRowBeginningWith("apple tart and more", count, nameOf), -1) << "longer than every name";
    EXPECT_EQ(firstRowBeginningWith("z", count, nameOf), -1);
    EXPECT_EQ(firstRowBeginningWith("a", 0, nameOf), -1);
}

TEST(ListNavigation, HomeEndAndPageKeysStayInsideTheListAndOtherKeysAreNotMoves) {
    const std::string home(1, '\1'), end(1, '\4'), pageUp(1, '\13'), pageDown(1, '\14');
    EXPECT_EQ(rowAfterMoveKey(home, 500, 1000, 20), 0);
    EXPECT_EQ(rowAfterMoveKey(end, 5, 1000, 20), 999);
    EXPECT_EQ(rowAfterMoveKey(pageDown, 5, 1000, 20), 25);
    EXPECT_EQ(rowAfterMoveKey(pageDown, 990, 1000, 20), 999) << "no wrap past the last row";
    EXPECT_EQ(rowAfterMoveKey(pageDown, -1, 1000, 20), 0) << "from no selection, the first row";
    EXPECT_EQ(rowAfterMoveKey(pageUp, 25, 1000, 20), 5);
    EXPECT_EQ(rowAfterMoveKey(pageUp, 5, 1000, 20), 0);
    EXPECT_EQ(rowAfterMoveKey(pageDown, 0, 1000, 0), 1) << "a list too short for a page moves a row";
    EXPECT_EQ(rowAfterMoveKey(end, -1, 0, 20), -1) << "an empty list";
    EXPECT_EQ(rowAfterMoveKey("a", 3, 1000, 20), std::nullopt);
    EXPECT_EQ(rowAfterMoveKey(std::string(1, '\r'), 3, 1000, 20), std::nullopt);
}
