#include "utility_windows/unit_converter/EquivalencySheet.h"

namespace {
const std::string kSeparator(52, '-');
}  // namespace

const std::vector<std::string>& equivalencySheetLines() {
    static const std::vector<std::string> lines = {
        "gallon = gal.   fluid ounce = fl. oz.     cup    = C.",
        "quart  = qt.    tablespoon  = tbsp., tbs. or T.",
        "pint   = pt.    teaspoon    = tsp. or t.",
        kSeparator,
        "1 gal. = 4 qt. = 8 pt. = 16 cups = 128 fl. oz.",
        "1 qt. = 2 pt. = 4 cups = 32 fl. oz.",
        "1 pint = 2 cups = 16 fl. oz. (U.S.)",
        "1 cup = 8 fl. oz. = 16 tbsp.",
        "1 fl. oz. = 2 tbsp.",
        "1 tbsp. = 1/2 fl. oz. = 3 tsp.",
        "1 pinch < 1/8 tsp.",
        "1 stick of butter = 8 tbsp. = 4 ounces = 1/4 lb.",
        kSeparator,
        "Oven Temperature Equivalency Table",
        "",
        "  °F       °C      Gas mark   Descriptions",
        kSeparator,
        "225°     110°      1/4        Cool",
        "250°     130°      1/2        Cool",
        "275°     140°        1        Very slow",
        "300°     150°        2        Very slow",
        kSeparator,
        "325°     170°        3        Slow",
        "350°     180°        4        Moderate",
        "375°     190°        5        Moderate",
        "400°     200°        6        Moderately hot",
        kSeparator,
        "425°     220°        7        Fairly hot",
        "450°     230°        8        Hot",
        "475°     240°        9        Very hot",
        "500°     250°       10        Extremely hot",
    };
    return lines;
}

std::string equivalencySheet(const std::string& lineEnd) {
    std::string text;
    for (size_t i = 0; i < equivalencySheetLines().size(); ++i) {
        if (i > 0) text += lineEnd;
        text += equivalencySheetLines()[i];
    }
    return text;
}
