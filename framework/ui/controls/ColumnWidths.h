#pragma once
// Turns a Listbox's ColumnWidths text into pixel widths. The text lists one
// entry per column, separated by commas:
//   "120"  a width in pixels
//   "40%"  a share of the list's width
//   "" or "*"  an equal part of what is left ("2*" takes two parts)
// Columns without an entry get no width at all, so "100%" over two columns
// hides the second one; a wholly empty text shares the width among all
// columns. A width of 0 means the column is hidden.
#include <cstdint>
#include <string>
#include <vector>

std::vector<int32_t> resolveColumnWidths(const std::string& text, int32_t columnCount, int32_t totalWidth);
