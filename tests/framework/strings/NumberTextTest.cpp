#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/data/MathFunctions.h"
#include "framework/text/Strings.h"

TEST(Val, TakesTheLeadingNumberOnly) {
    EXPECT_EQ(Val("1/"), 1);
    EXPECT_EQ(Val("250 g flour"), 250);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("  -3.25cups"), -3.25);
    EXPECT_EQ(Val("1e3"), 1000);
    EXPECT_EQ(Val("2E-2x"), 0.02);
    EXPECT_EQ(Val("1e"), 1);    // an exponent with no digits is not part of the number
    EXPECT_EQ(Val("1e+"), 1);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("cups 2"), 0);
    EXPECT_EQ(Val("1,000"), 1);
    EXPECT_EQ(Val("&hFF"), 255);
    EXPECT_EQ(Val("&b101"), 5);
    EXPECT_EQ(Val("&o17"), 15);
}

TEST(Str, IntegersPlainAndDoublesWithSevenDigits) {
    EXPECT_EQ(Str(250), "250");
    EXPECT_EQ(Str(int64_t(-9007199254740993)), "-9007199254740993");
    EXPECT_EQ(CStr(250.0), "250");
    EXPECT_EQ(Str(0.1), "0.1");
    EXPECT_EQ(Str(1.0 / 3.0), "0.3333333");
    EXPECT_EQ(Str(3785.41), "3785.41");
    EXPECT_EQ(Str(9999999.0), "9999999");
    EXPECT_EQ(Str(15000000.0), "1.5e+7");
    EXPECT_EQ(Str(-0.0), "0");
    EXPECT_EQ(Str(1.0 / 0.0), "INF");
    EXPECT_EQ(Str(-1.0 / 0.0), "-INF");
    EXPECT_EQ(Str(std::nan("")), "NAN");
}

TEST(Format, RoundsHalvesAwayFromZeroAndGroupsThousands) {
    EXPECT_EQ(Format(176.7, "-#,###,##0"), "177");
    EXPECT_EQ(Format(-176.7, "-#,###,##0"), "-177");
    EXPECT_EQ(Format(3785.411784, "-#,###,##0.00"), "3,785.41");
    EXPECT_EQ(Format(1234567.891, "-#,###,##0.00"), "1,234,567.89");
    EXPECT_EQ(Format(0.125, "0.00"), "0.13");
    EXPECT_EQ(Format(2.5, "#"), "3");
    EXPECT_EQ(Format(-2.5, "-#"), "-3");
    EXPECT_EQ(Format(0.4, "-#,###,##0"), "0");    // at least one integer digit
    EXPECT_EQ(Format(-0.001, "-#,##0.00"), "0.00");  // no "-0.00"
    EXPECT_EQ(Format(0.5, "#.##"), ".5");
    EXPECT_EQ(Format(1.5, "#.00"), "1.50");
}

TEST(Format, NumbersBeyondADoublesPrecisionShowNoInventedDigits) {
    // The double nearest 4.5359237e25 is 45359236999999998004297728 exactly;
    // the digits past its seventeenth say nothing about the number meant.
    EXPECT_EQ(Format(4.5359237e25, "-#,###,##0.00"), "45,359,237,000,000,000,000,000,000.00");
    EXPECT_EQ(Format(-1e20, "-#,###,##0"), "-100,000,000,000,000,000,000");
    EXPECT_EQ(Format(1e300, "0").size(), 301u);
    EXPECT_EQ(Format(12345678901234.567, "0.00"), "12345678901234.57");  // rounded as before
    EXPECT_EQ(Format(9007199254740993.0, "0.0"), "9007199254740992.0");  // the double's own value
}

TEST(Format, SignsSectionsPercentAndLiterals) {
    EXPECT_EQ(Format(5, "+#"), "+5");
    EXPECT_EQ(Format(-5, "+#"), "-5");
    EXPECT_EQ(Format(-5, "#"), "-5");  // the sign is never dropped
    EXPECT_EQ(Format(-5, "#;(#)"), "(5)");
    EXPECT_EQ(Format(0, "#;(#);zero"), "zero");
    EXPECT_EQ(Format(0.256, "0.0%"), "25.6%");
    EXPECT_EQ(Format(12, "\\#0 items"), "#12 items");
    EXPECT_EQ(Format(1.0 / 0.0, "-#,##0"), "INF");
    EXPECT_EQ(Format(std::nan(""), "0.00"), "NAN");
}

TEST(NumericFunctions, RoundHalvesAwayFromZero) {
    EXPECT_EQ(Round(2.5), 3);
    EXPECT_EQ(Round(-2.5), -3);
    EXPECT_EQ(Round(0.49999999999999994), 0);
    EXPECT_EQ(Max(2, 3), 3);
    EXPECT_EQ(Min(-1.5, 2.0), -1.5);
    EXPECT_EQ(Abs(-4.0), 4);
    EXPECT_EQ(Hex(255), "FF");
    EXPECT_EQ(Hex(-1), "FFFFFFFFFFFFFFFF");
}
