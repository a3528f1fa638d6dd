#include "framework/runtime/Event.h"
#include "framework/runtime/Numbers.h"

#include <gtest/gtest.h>
#include <limits>

TEST(Numbers, DoubleToInt32TruncatesTowardZeroAndNeverOverflows) {
    EXPECT_EQ(toInt32(14.75), 14);
    EXPECT_EQ(toInt32(-14.75), -14);
    EXPECT_EQ(toInt32(2147483647.9), 2147483647);
    EXPECT_EQ(toInt32(2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(toInt32(std::nan("")), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(toInt32(0.0 / 1.0), 0);
}

TEST(Numbers, TickDifferencesWrapLike32BitIntegers) {
    EXPECT_EQ(sub32(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()), 1);
    EXPECT_EQ(add32(std::numeric_limits<int32_t>::max(), 1), std::numeric_limits<int32_t>::min());
}

TEST(Event, UnboundEventsDoNothingAndBooleanOnesAnswerFalse) {
    Event<bool(int, int)> mouseDown;
    Event<void()> open;
    EXPECT_FALSE(mouseDown(1, 2));
    open();  // must not throw

    int seen = 0;
    mouseDown = [&](int x, int y) { seen = x + y; return true; };
    EXPECT_TRUE(mouseDown(3, 4));
    EXPECT_EQ(seen, 7);
    mouseDown.unbind();
    EXPECT_FALSE(mouseDown(1, 1));
}
