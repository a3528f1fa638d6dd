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

#include "framework/runtime/Clock.h"

#include <ctime>

TEST(Clock, FakeClockDrivesTicksAndNow) {
    int64_t now = 1'000'000;  // one second
    Clock::setFake([&] { return now; }, 3600);
    EXPECT_EQ(Clock::ticks(), 60);
    now += 500'000;
    EXPECT_EQ(Clock::ticks(), 90);
    EXPECT_EQ(Clock::nowMicroseconds(), 1'500'000);
    EXPECT_EQ(Clock::localOffsetSeconds(now), 3600);
    Clock::setFake(nullptr);
    EXPECT_GT(Clock::nowMicroseconds(), 1'600'000'000'000'000LL);
}

TEST(Clock, TicksCountFromTheSystemsStartOnTheMonotonicClockNotFromTheFirstCall) {
    timespec boot{};
    clock_gettime(CLOCK_MONOTONIC, &boot);
    const int64_t expected = static_cast<int64_t>(boot.tv_sec) * 60 + boot.tv_nsec / (1000000000 / 60);
    const int32_t first = Clock::ticks();
    // The machine has been up longer than a double-click interval.
    EXPECT_NEAR(static_cast<double>(first), static_cast<double>(static_cast<int32_t>(expected)), 2.0);
    EXPECT_NE(first, 0);
    EXPECT_NEAR(static_cast<double>(Clock::microsecondsSinceBoot()),
                static_cast<double>(boot.tv_sec) * 1e6 + boot.tv_nsec / 1e3, 50'000.0);
}

TEST(Clock, AChangeOfTheWallClockLeavesTicksAlone) {
    int64_t wall = 1'236'416'400'000'000LL;
    int64_t sinceBoot = 3'600'000'000LL;  // an hour
    Clock::setFake([&] { return wall; });
    Clock::setFakeSinceBoot([&] { return sinceBoot; });
    EXPECT_EQ(Clock::ticks(), 216'000);
    wall -= 3'600'000'000LL;  // the clock is set back an hour
    EXPECT_EQ(Clock::ticks(), 216'000);
    sinceBoot += 250'000;
    EXPECT_EQ(Clock::ticks(), 216'015);
    EXPECT_EQ(Clock::nowMicroseconds(), 1'236'412'800'000'000LL);
    Clock::setFake(nullptr);
}
