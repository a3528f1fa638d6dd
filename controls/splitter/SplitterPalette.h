#pragma once
// The bar's colours: six greys for its grip bars, and the two brightness
// tables of a large dimple, all chosen once at start-up by the background the
// bar stands on.
#include <string>

#include "controls/splitter/SplitterModel.h"

// Fills the six palette colours, darker ones on a dark background.
void applySplitterPalette(SplitterModel& m, bool darkBackground);

// Reads 25 comma-separated hundredths, row by row, five columns a row, into
// entries (column, row) 1..5, scaled by `factor` (leading blanks skipped, a
// missing number counts as 0).
DimpleTable parseDimpleTable(const std::string& text, double factor);

// Fills both dimple tables; a normal background brightens them by 10 %.
void applyDimpleTables(SplitterModel& m, bool darkBackground);
