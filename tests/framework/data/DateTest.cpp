#include <gtest/gtest.h>

#include "framework/data/Date.h"
#include "framework/runtime/Clock.h"
#include "framework/runtime/RuntimeException.h"

namespace {
// 2009-03-07 09:05:03 UTC in microseconds.
constexpr int64_t march7 = 1236416703LL * 1000000;

struct FakeClock {
    FakeClock(int64_t micros, int32_t offset) { Clock::setFake([micros] { return micros; }, offset); }
    ~FakeClock() { Clock::setFake(nullptr); }
};
}  // namespace

TEST(Date, NowComesFromTheClockInLocalTime) {
    {
        FakeClock clock(march7, 0);
        Date now;
        EXPECT_EQ(now.SQLDate(), "2009-03-07");
        EXPECT_EQ(now.SQLDateTime(), "2009-03-07 09:05:03");
        EXPECT_EQ(now.Hour(), 9);
        EXPECT_EQ(now.Minute(), 5);
        EXPECT_EQ(now.AbbreviatedDate(), "Sat, Mar 7, 2009");
    }
    {
        FakeClock clock(march7, -10 * 3600);  // ten hours west: still the day before
        Date now;
        EXPECT_EQ(now.SQLDateTime(), "2009-03-06 23:05:03");
        EXPECT_DOUBLE_EQ(now.GMTOffset(), -10);
        EXPECT_EQ(now.DayOfWeek(), 6);  // Friday
    }
}

TEST(Date, TotalSecondsCountFrom1904) {
    Date d(1904, 1, 1);
    EXPECT_DOUBLE_EQ(d.TotalSeconds(), 0);
    EXPECT_EQ(d.DayOfWeek(), 6);  // a Friday
    d.SetTotalSeconds(-1);
    EXPECT_EQ(d.SQLDateTime(), "1903-12-31 23:59:59");
}

TEST(Date, FieldSettersNormaliseOverflow) {
    Date d(2008, 12, 31, 23, 59, 59);
    d.SetSecond(60);
    EXPECT_EQ(d.SQLDateTime(), "2009-01-01 00:00:00");
    d.SetMonth(14);
    EXPECT_EQ(d.SQLDate(), "2010-02-01");
    d.SetDay(0);
    EXPECT_EQ(d.SQLDate(), "2010-01-31");
    Date leap(2008, 2, 29);
    EXPECT_EQ(leap.DayOfYear(), 60);
    leap.SetYear(2009);
    EXPECT_EQ(leap.SQLDate(), "2009-03-01");
}

TEST(Date, SQLTextRoundTripsAndRejectsMalformedText) {
    Date d(2000, 1, 1);
    d.SetSQLDateTime("2009-03-07 14:30:59");
    EXPECT_EQ(d.SQLDateTime(), "2009-03-07 14:30:59");
    EXPECT_EQ(d.ShortTime(), "14:30");
    d.SetSQLDate("1999-12-31");
    EXPECT_EQ(d.SQLDateTime(), "1999-12-31 00:00:00");
    EXPECT_EQ(d.LongDate(), "Friday, December 31, 1999");
    for (const char* bad : {"", "2009-03-07 14:30", "2009/03/07", "2009-03-07T14:30:59", "abcd-ef-gh"})
        EXPECT_THROW(d.SetSQLDateTime(bad), UnsupportedFormatException) << bad;
    EXPECT_EQ(d.SQLDate(), "1999-12-31");  // unchanged by the failures
}
