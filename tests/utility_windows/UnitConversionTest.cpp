// What the converter writes for an amount, a unit pair and a direction.

#include <gmock/gmock.h>

#include "tests/utility_windows/ConverterTestSupport.h"
#include "utility_windows/unit_converter/UnitConversion.h"

namespace {

TEST_F(ConverterFixture, ConvertsByFactorBothWays) {
    EXPECT_EQ(lineFor("1", kPounds, true), "1 lb. = 0.45 kg");
    EXPECT_EQ(lineFor("1/2", kCups, true), "1/2 C = 0.12 L");
    EXPECT_EQ(lineFor("1000", kGallons, true), "1000 gal. = 3,785.41 L");
    EXPECT_EQ(lineFor("1000", kOunces, false), "1000 g = 35.27 oz.");
    EXPECT_EQ(lineFor("1", kCups, false), "1 L = 4.23 C");
    EXPECT_EQ(lineFor("100", kFluidOunces, false), "100 mL = 3.38 fl. oz.");
    EXPECT_EQ(lineFor("1234567", kGallons, true), "1234567 gal. = 4,673,344.47 L");
    EXPECT_EQ(lineFor("2", kQuarts, true), "2 qt. = 1.89 L");
    EXPECT_EQ(lineFor("3", kPints, false), "3 L = 6.34 pt.");
    EXPECT_EQ(lineFor("2", kTablespoons, true), "2 Tbsp. = 30.00 mL");
}

TEST_F(ConverterFixture, TheLineBeginsWithTheAmountAsTyped) {
    EXPECT_EQ(lineFor("007", kPounds, true), "007 lb. = 3.18 kg");
    EXPECT_EQ(lineFor(".5", kOunces, true), ".5 oz. = 14.17 g");
    EXPECT_EQ(lineFor("abc", kPounds, true), "abc lb. = 0.00 kg");
}

TEST_F(ConverterFixture, HalvesRoundAwayFromZero) {
    EXPECT_EQ(lineFor("1/8", kTeaspoons, true), "1/8 Tsp. = 0.63 mL");
    // 0.25 °C is 32.45 °F, 32.5 to a tenth, then 33 as a whole number.
    EXPECT_EQ(lineFor("0.25", kFahrenheit, false), "0.25 °C = 33 °F");
    EXPECT_DOUBLE_EQ(rnd(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(rnd(-2.5, 0), -3.0);
}

TEST_F(ConverterFixture, ConvertsTemperaturesToWholeDegrees) {
    EXPECT_EQ(lineFor("350", kFahrenheit, true), "350 °F = 177 °C");
    EXPECT_EQ(lineFor("180", kFahrenheit, false), "180 °C = 356 °F");
    EXPECT_EQ(lineFor("37", kFahrenheit, false), "37 °C = 99 °F");
    EXPECT_EQ(lineFor("0", kFahrenheit, true), "0 °F = -18 °C");
    EXPECT_EQ(lineFor("-40", kFahrenheit, true), "-40 °F = -40 °C");
    EXPECT_EQ(lineFor("-40", kFahrenheit, false), "-40 °C = -40 °F");
}

TEST_F(ConverterFixture, AValueThatRoundsToZeroHasNoMinus) {
    EXPECT_EQ(lineFor("32", kFahrenheit, true), "32 °F = 0 °C");
    EXPECT_EQ(lineFor("31.95", kFahrenheit, true), "31.95 °F = 0 °C");
    EXPECT_EQ(lineFor("-0.001", kPounds, true), "-0.001 lb. = 0.00 kg");
}

TEST_F(ConverterFixture, AmountsThatAreNoNumberGetADefinedText) {
    EXPECT_EQ(lineFor("1/0", kPounds, true), "1/0 lb. = ∞ kg");
    EXPECT_EQ(lineFor("0/0", kPounds, true), "0/0 lb. = NaN kg");
    EXPECT_EQ(lineFor("-1/0", kCups, false), "-1/0 L = -∞ C");
    EXPECT_EQ(lineFor("1/0", kFahrenheit, true), "1/0 °F = ∞ °C");
    EXPECT_EQ(lineFor("0/0", kFahrenheit, false), "0/0 °C = NaN °F");
}

TEST_F(ConverterFixture, HugeAmountsPrintAllTheirDigitsGrouped) {
    const std::string line = lineFor("100000000000000000000000000000", kTablespoons, true);
    // 1.5e30 as the double holds it: 31 digits, grouped by thousands.
    EXPECT_THAT(line, testing::MatchesRegex("100000000000000000000000000000 Tbsp\\. = "
                                            "1,[0-9]{3}(,[0-9]{3}){9}\\.00 mL"));
    // Too large to scale by 100: rounding leaves it as it is.
    EXPECT_DOUBLE_EQ(rnd(1e307, 2), 1e307);
}

TEST_F(ConverterFixture, SwitchingTheDirectionSwapsTheUnits) {
    lineFor("2", kCups, true);
    EXPECT_EQ(w->amtCvt->Text(), "2 C = 0.47 L");
    w->ConvertDir->ListIndex = 1;
    EXPECT_FALSE(w->EnglishToMetric);
    EXPECT_EQ(w->amtCvt->Text(), "2 L = 8.45 C");
    w->ConvertDir->ListIndex = 0;
    EXPECT_EQ(w->amtCvt->Text(), "2 C = 0.47 L");
}

TEST(UnitLabels, TheAbbreviationIsWhatTheBracketsHold) {
    EXPECT_EQ(getUnits("Fluid Ounces (fl. oz.)"), "fl. oz.");
    EXPECT_EQ(getUnits("Degrees Celsius (°C)"), "°C");
    EXPECT_EQ(getUnits("Dry Measure"), "");
    EXPECT_EQ(getUnits(""), "");
    EXPECT_EQ(getUnits(") backwards ("), "");
}

}  // namespace
