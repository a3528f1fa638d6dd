#pragma once
// Menu item names are identifiers the whole system shares (handlers are bound
// to them, code looks items up by them). Like every identifier of the old
// framework they compare without regard to letter case.
#include <string_view>

inline bool sameMenuName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}
