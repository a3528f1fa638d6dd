#pragma once
// The design text of the converter's units table: the heading line, then one
// line per row, cells separated by tabs. A unit row holds the US label, the
// metric label, the key and the factor (metric units per US unit); only the
// labels are in visible columns. Heading rows hold their title alone.
#include <cstdint>
#include <string>

std::string unitsTableInitialValue();

// Rows 0, 3 and 11 are section titles, never a unit pair.
bool isUnitsHeadingRow(int32_t row);
