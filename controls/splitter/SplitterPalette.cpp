#include "controls/splitter/SplitterPalette.h"

#include "framework/text/Strings.h"

void applySplitterPalette(SplitterModel& m, bool dark) {
    auto grey = [](double value) { return HSV(0, 0, value); };
    m.colorLight = grey(dark ? 0.58 : 0.75);
    m.colorLightDisabled = grey(dark ? 0.63 : 0.87);
    m.colorMedium = grey(dark ? 0.50 : 0.62);
    m.colorMediumDisabled = grey(dark ? 0.55 : 0.82);
    m.colorDark = grey(dark ? 0.42 : 0.55);
    m.colorDarkDisabled = grey(dark ? 0.50 : 0.70);
}

DimpleTable parseDimpleTable(const std::string& text, double factor) {
    DimpleTable table{};
    int32_t n = 0;
    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 5; ++column)
            table[column][row] = Val(NthField(text, ",", ++n)) / 100 * factor;
    return table;
}

void applyDimpleTables(SplitterModel& m, bool dark) {
    const double factor = dark ? 1.0 : 1.1;
    m.dimplePixelValue = parseDimpleTable(std::string("-1,49, 9,48,-1,") + "48, 2,22,29,56," + "11,37,64,75,65," +
                                              "57,64,100,100,83," + "-1,75,96,84,-1",
                                          factor);
    m.dimplePixelValueDisabled = parseDimpleTable(std::string("-1,62,42,62,-1,") + "61,38,48,51,65," +
                                                      "44,57,71,76,72," + "67,70,88,89,80," + "-1,77,87,81,-1",
                                                  factor);
}
