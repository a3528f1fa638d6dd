#pragma once
// The arithmetic and the wording of one conversion, apart from the window so
// that every line the converter can show is checked without building it.
#include <cstdint>
#include <string>

// One row of the units table: the two labels, the key and the factor (how
// many metric units make one US unit), as the table stores them.
struct UnitRow {
    std::string usLabel;
    std::string metricLabel;
    std::string key;
    std::string factor;
};

// x rounded to n decimals, halves away from zero. A value too large to scale
// is already whole at that precision and comes back as it is, so a huge
// amount never turns into infinity here.
double rnd(double x, int32_t n);

// The abbreviation between the first "(" and the first ")" of a unit label;
// "" when the label has no such pair.
std::string getUnits(const std::string& label);

// The amount the typed text stands for: "1/2" is a half, "007" is 7,
// letters are 0. A zero denominator gives an infinite or undefined amount.
double amountOf(const std::string& text);

// The number as the result line shows it: the pattern's digits, or "∞",
// "-∞" and "NaN" for amounts that are no number.
std::string formatConverted(double value, const std::string& pattern);

// The result line: the text as typed, its unit, " = ", the converted value
// and the other unit, e.g. "1/2 C = 0.12 L".
std::string conversionLine(const std::string& amountText, const UnitRow& row, bool englishToMetric);
