// The bar's travel on plain numbers: limits, reserve zones, snapping and
// proportion, as a drag or a window resize meets them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "controls/splitter/SplitterTravel.h"

namespace {
SplitterModel travel(int32_t minLimit, int32_t maxLimit, int32_t minOffset = 0, int32_t maxOffset = 0) {
    SplitterModel m;
    m.MinLimit = minLimit;
    m.MaxLimit = maxLimit;
    m.MinLimitOffset = minOffset;
    m.MaxLimitOffset = maxOffset;
    m.proportionMin = minLimit;
    m.proportionMax = maxLimit;
    return m;
}

// Drags a bar resting at `from` to `target`, as one drag step would.
TravelStep dragTo(SplitterModel& m, int32_t from, int32_t target) { return planMove(m, from, target - from, false); }
}  // namespace

TEST(SplitterTravel, UnsetMinLimitActsAsZeroAndIsStoredSo) {
    SplitterModel m = travel(kUnsetMinLimit, 300);
    EXPECT_EQ(dragTo(m, 100, -20).newPosition, 0);
    EXPECT_EQ(m.MinLimit, 0);

    SplitterModel n = travel(kUnsetMinLimit, 300);
    assignLimits(n, std::nullopt, std::nullopt, 12, 500);
    EXPECT_EQ(n.MinLimit, 0);
}

TEST(SplitterTravel, ReserveZoneSnapsInItsFirstHalfAndStopsAtItsEdgeElsewhere) {
    SplitterModel m = travel(10, 300, 40);
    TravelStep s = dragTo(m, 100, 29);
    EXPECT_EQ(s.newPosition, 10);
    EXPECT_TRUE(m.atMinLimit);

    s = dragTo(m, 100, 30);
    EXPECT_EQ(s.newPosition, 50);
    EXPECT_FALSE(m.atMinLimit);

    m.StopAtMinOffset = true;
    EXPECT_EQ(dragTo(m, 100, 29).newPosition, 50);
    EXPECT_FALSE(m.atMinLimit);
    EXPECT_EQ(dragTo(m, 100, 30).newPosition, 50);

    // The far side mirrors it: 300 - 40/2 = 280 is the zone's middle.
    SplitterModel f = travel(10, 300, 0, 40);
    EXPECT_EQ(dragTo(f, 100, 281).newPosition, 300);
    EXPECT_TRUE(f.atMaxLimit);
    EXPECT_EQ(dragTo(f, 100, 280).newPosition, 260);
    EXPECT_FALSE(f.atMaxLimit);
}

TEST(SplitterTravel, WithoutReserveZonesOnlyAMovePastTheLimitMarksIt) {
    SplitterModel m = travel(10, 300);
    EXPECT_EQ(dragTo(m, 100, 10).newPosition, 10);
    EXPECT_FALSE(m.atMinLimit);
    EXPECT_EQ(dragTo(m, 100, 9).newPosition, 10);
    EXPECT_TRUE(m.atMinLimit);
    EXPECT_EQ(dragTo(m, 100, 300).newPosition, 300);
    EXPECT_FALSE(m.atMaxLimit);
    EXPECT_EQ(dragTo(m, 100, 301).newPosition, 300);
    EXPECT_TRUE(m.atMaxLimit);
}

TEST(SplitterTravel, ASnappedBarFollowsItsLimitThroughResizes) {
    SplitterModel m = travel(10, 300, 40);
    dragTo(m, 100, 12);
    ASSERT_TRUE(m.atMinLimit);
    m.MinLimit = 25;
    const TravelStep s = planMove(m, 10, 0, true);
    EXPECT_EQ(s.newPosition, 25);
    EXPECT_TRUE(s.act);
    // A drag out of the snap half lets go of the limit.
    EXPECT_EQ(planMove(m, 25, 35, false).newPosition, 65);
    EXPECT_FALSE(m.atMinLimit);
}

TEST(SplitterTravel, CrossedLimitsEndAtTheMaximum) {
    SplitterModel m = travel(200, 100);
    EXPECT_EQ(dragTo(m, 150, 50).newPosition, 100);
    EXPECT_EQ(dragTo(m, 150, 250).newPosition, 100);
    EXPECT_EQ(planMove(m, 150, 0, true).newPosition, 100);
}

TEST(SplitterTravel, OnlyAMoveOrAResizeActs) {
    SplitterModel m = travel(10, 300);
    EXPECT_FALSE(planMove(m, 100, 0, false).act);
    const TravelStep resize = planMove(m, 100, 0, true);
    EXPECT_TRUE(resize.act);
    EXPECT_EQ(resize.distance, 0);
    EXPECT_TRUE(dragTo(m, 100, 120).act);
}

TEST(SplitterTravel, ProportionalBarKeepsItsShareWhenTheWindowGrows) {
    SplitterModel m = travel(0, 300);
    m.proportionMin = 100;
    m.StayProportional = true;
    m.proportionValue = 0.5;
    m.windowSizeLast = 600;
    assignLimits(m, std::nullopt, std::nullopt, 12, 600);
    EXPECT_EQ(m.proportionMax, 300);
    TravelStep s = planMove(m, 150, 0, true);
    EXPECT_EQ(s.newPosition, 200);

    assignLimits(m, std::nullopt, std::nullopt, 12, 650);
    EXPECT_EQ(m.proportionMax, 350);
    EXPECT_EQ(m.MaxLimit, 350);
    s = planMove(m, 200, 0, true);
    EXPECT_EQ(s.newPosition, 225);
    EXPECT_EQ(s.distance, 25);
    EXPECT_DOUBLE_EQ(m.proportionValue, 0.5);
}

TEST(SplitterTravel, LimitsComeFromTheOutermostControlsUnlessGivenAtDesign) {
    SplitterModel m = travel(0, 0);
    assignLimits(m, AxisSpan{9, 150}, AxisSpan{618, 118}, 12, 750);
    EXPECT_EQ(m.proportionMin, -3);
    EXPECT_EQ(m.MinLimit, -3);
    EXPECT_EQ(m.proportionMax, 736);
    EXPECT_EQ(m.MaxLimit, 736);
    EXPECT_EQ(m.windowSizeLast, 750);

    SplitterModel given = travel(10, 290);
    given.minLimitPropSet = given.maxLimitPropSet = true;
    assignLimits(given, AxisSpan{9, 150}, AxisSpan{618, 118}, 12, 750);
    EXPECT_EQ(given.MinLimit, 10);
    EXPECT_EQ(given.MaxLimit, 290);
    EXPECT_EQ(given.proportionMax, 736);

    // Without a far control the far limit follows the window's growth.
    SplitterModel free = travel(0, 738);
    free.windowSizeLast = 750;
    assignLimits(free, std::nullopt, std::nullopt, 12, 850);
    EXPECT_EQ(free.MaxLimit, 838);
}

TEST(SplitterTravel, ProportionStaysWithinZeroAndOne) {
    SplitterModel m = travel(0, 1000);
    m.proportionMin = 100;
    m.proportionMax = 300;
    m.StayProportional = true;
    m.proportionValue = 1.5;
    const TravelStep s = planMove(m, 200, 0, true);
    EXPECT_EQ(s.newPosition, 400) << "the limits, not the range, hold the bar";
    EXPECT_DOUBLE_EQ(m.proportionValue, 1.0);

    dragTo(m, 200, 50);
    EXPECT_DOUBLE_EQ(m.proportionValue, 0.0);
}

TEST(SplitterTravel, AnEmptyRangeGivesAnEndNotADivisionByZero) {
    SplitterModel m = travel(0, 500);
    m.proportionMin = m.proportionMax = 200;
    dragTo(m, 100, 250);
    EXPECT_DOUBLE_EQ(m.proportionValue, 1.0);
    dragTo(m, 100, 150);
    EXPECT_DOUBLE_EQ(m.proportionValue, 0.0);
    dragTo(m, 100, 200);
    EXPECT_DOUBLE_EQ(m.proportionValue, 0.0);

    EXPECT_DOUBLE_EQ(proportionAt(200, 200, 200), 0.0);
    EXPECT_DOUBLE_EQ(proportionAt(159, -3, 290), 162.0 / 293.0);
    EXPECT_DOUBLE_EQ(proportionAt(400, 0, 100), 4.0) << "not clamped at start-up";
}

TEST(SplitterTravel, ExtremeValuesNeitherOverflowNorLeaveTheLimits) {
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    constexpr int32_t small = std::numeric_limits<int32_t>::min();
    SplitterModel m = travel(small, big, big, big);
    m.StopAtMinOffset = m.StopAtMaxOffset = true;
    TravelStep s = planMove(m, 0, big, false);
    EXPECT_GE(s.newPosition, small);
    EXPECT_LE(s.newPosition, big);

    SplitterModel n = travel(0, 300);
    s = planMove(n, small, big, false);  // ends at -1: snaps onto 0
    EXPECT_EQ(s.newPosition, 0);
    EXPECT_EQ(s.distance, big) << "the distance saturates for reporting";

    // A proportion that is not a number leaves the bar where it is.
    SplitterModel p = travel(0, 300);
    p.StayProportional = true;
    p.proportionValue = std::nan("");
    EXPECT_EQ(planMove(p, 120, 0, true).newPosition, 120);
    p.proportionValue = INFINITY;
    EXPECT_EQ(planMove(p, 120, 0, true).newPosition, 300);
}
