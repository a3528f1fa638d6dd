#include "utility_windows/unit_converter/UnitConversion.h"

#include <cmath>

#include "framework/data/MathFunctions.h"
#include "framework/text/Strings.h"

namespace {
// The one key converted by formula rather than by factor.
const char* const kFahrenheitKey = "°F";
// The double nearest to 5/9.
constexpr double kFahrenheitToCelsius = 0.5555555555555556;
}  // namespace

double rnd(double x, int32_t n) {
    const double scale = Pow(10.0, static_cast<double>(n));
    const double scaled = x * scale;
    if (!std::isfinite(scaled)) return x;
    return Round(scaled) / scale;
}

std::string getUnits(const std::string& label) {
    const int32_t open = InStr(label, "(");
    const int32_t close = InStr(label, ")");
    if (open == 0 || close <= open) return std::string();
    return Mid(label, open + 1, close - open - 1);
}

double amountOf(const std::string& text) {
    const int32_t slash = InStr(text, "/");
    if (slash == 0) return Val(text);
    const double numerator = Val(Left(text, slash));
    const double denominator = Val(Right(text, Len(text) - slash));
    return numerator / denominator;
}

std::string formatConverted(double value, const std::string& pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-∞" : "∞";
    return Format(value, pattern);
}

std::string conversionLine(const std::string& amountText, const UnitRow& row, bool englishToMetric) {
    const double amount = amountOf(amountText);
    const std::string us = getUnits(row.usLabel);
    const std::string metric = getUnits(row.metricLabel);
    std::string value;
    if (StrEq(row.key, kFahrenheitKey)) {
        const double degrees = englishToMetric ? rnd((amount - 32) * kFahrenheitToCelsius, 1)
                                               : rnd(1.8 * amount + 32, 1);
        value = formatConverted(degrees, "-#,###,##0");
    } else {
        const double factor = Val(row.factor);
        value = formatConverted(englishToMetric ? rnd(amount * factor, 2) : rnd(amount / factor, 2),
                                "-#,###,##0.00");
    }
    const std::string& from = englishToMetric ? us : metric;
    const std::string& to = englishToMetric ? metric : us;
    return amountText + " " + from + " = " + value + " " + to;
}
