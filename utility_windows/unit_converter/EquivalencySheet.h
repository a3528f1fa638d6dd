#pragma once
// The fixed reference sheet of the converter's second tab: kitchen
// abbreviations, volume equivalencies and oven temperatures, 31 lines laid
// out for a fixed-width font.
#include <string>
#include <vector>

const std::vector<std::string>& equivalencySheetLines();
// The lines joined by the given line end, as the sheet's field shows them.
std::string equivalencySheet(const std::string& lineEnd);
