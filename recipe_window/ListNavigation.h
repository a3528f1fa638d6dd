#pragma once
// Where the found list's selection goes on Next, Previous and type-ahead.
// Pure rules over row numbers and names, so the key handler stays a
// dispatcher and the rules are tested on their own.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The row after `index` in a list of `count` rows, wrapping from the last
// row to the first; row 0 when nothing is selected (-1); -1 on an empty list.
int32_t nextRow(int32_t index, int32_t count);

// The row before `index`, wrapping from the first row (or no selection) to
// the last; -1 on an empty list.
int32_t previousRow(int32_t index, int32_t count);

// Keys typed less than this many ticks apart extend the type-ahead prefix.
constexpr int32_t kTypeAheadTicks = 30;

// The prefix after `key` arrives at `nowTicks`: the old prefix followed by
// the key when the previous key came under kTypeAheadTicks earlier (a
// wrapping 32-bit difference), otherwise the key alone.
std::string extendTypeAhead(const std::string& prefix, int32_t prefixTicks, int32_t nowTicks,
                            const std::string& key);

// The first of `count` rows whose name begins with `prefix`, letter case
// ignored; -1 when none does. `nameOf` answers a row's name.
int32_t firstRowBeginningWith(const std::string& prefix, int32_t count,
                              const std::function<std::string(int32_t row)>& nameOf);

// Where Home, End, Page Up and Page Down (the key texts Chr(1), Chr(4),
// Chr(11), Chr(12)) take the selection in a list of `count` rows of which
// `pageRows` are in view: the first or last row, or a page up or down, kept
// inside the list; -1 on an empty list; nothing for any other key.
std::optional<int32_t> rowAfterMoveKey(const std::string& key, int32_t index, int32_t count, int32_t pageRows);
