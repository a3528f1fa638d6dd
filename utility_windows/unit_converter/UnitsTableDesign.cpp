#include "utility_windows/unit_converter/UnitsTableDesign.h"

#include <vector>

namespace {
const std::vector<std::string> kLines = {
    "US Customary\tInternational (SI/Metric)",
    "Dry Measure",
    "Pounds (lb.)\tKilograms (kg)\tlb\t0.45359237",
    "Ounces (oz.)\tGrams (g)\toz\t28.349523",
    "Liquid Measure (Volume)",
    "Gallons (gal.)\tLiters (L)\tgal\t3.785411784",
    "Quarts (qt.)\tLiters (L)\tqt\t0.946353",
    "Pints (pt.)\tLiters (L)\tpt\t0.473176",
    "Cups (C)\tLiters (L)\tC\t0.236588238",
    "Fluid Ounces (fl. oz.)\tMilliliters (mL)\tfloz\t29.5735297",
    "Tablespoons (Tbsp.)\tMilliliters (mL)\ttbsp\t15",
    "Teaspoons (Tsp.)\tMilliliters (mL)\ttsp\t5",
    "Temperature",
    "Degrees Fahrenheit (°F)\tDegrees Celsius (°C)\t°F",
};
}  // namespace

std::string unitsTableInitialValue() {
    std::string text;
    for (size_t i = 0; i < kLines.size(); ++i) {
        if (i > 0) text += '\r';
        text += kLines[i];
    }
    return text;
}

bool isUnitsHeadingRow(int32_t row) { return row == 0 || row == 3 || row == 11; }
