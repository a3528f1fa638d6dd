#include "framework/ui/controls/ColumnWidths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

enum class Kind { Pixels, Percent, Share, Missing };

struct Entry {
    Kind kind = Kind::Missing;
    double amount = 0;
};

std::string trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

// Reads the leading number of an entry; text that starts with none gives 0.
double leadingNumber(const std::string& s) {
    const char* begin = s.c_str();
    char* end = nullptr;
    double v = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(v) || v < 0) return 0;
    return v;
}

Entry parseEntry(const std::string& raw) {
    std::string s = trimmed(raw);
    if (s.empty()) return {Kind::Share, 1};
    if (s.back() == '*') {
        std::string n = s.substr(0, s.size() - 1);
        return {Kind::Share, n.empty() ? 1.0 : leadingNumber(n)};
    }
    if (s.back() == '%') return {Kind::Percent, leadingNumber(s.substr(0, s.size() - 1))};
    return {Kind::Pixels, leadingNumber(s)};
}

}  // namespace

std::vector<int32_t> resolveColumnWidths(const std::string& text, int32_t columnCount, int32_t totalWidth) {
    if (columnCount <= 0) return {};
    totalWidth = std::max(totalWidth, 0);

    std::vector<Entry> entries(columnCount);
    if (trimmed(text).empty()) {
        for (auto& e : entries) e = {Kind::Share, 1};
    } else {
        size_t start = 0;
        for (int32_t column = 0; column < columnCount; ++column) {
            size_t comma = text.find(',', start);
            entries[column] = parseEntry(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }

    std::vector<int32_t> widths(columnCount, 0);
    double used = 0, parts = 0;
    for (int32_t c = 0; c < columnCount; ++c) {
        const Entry& e = entries[c];
        if (e.kind == Kind::Pixels) widths[c] = static_cast<int32_t>(std::min(e.amount, 1e9));
        else if (e.kind == Kind::Percent) widths[c] = static_cast<int32_t>(std::floor(std::min(e.amount, 1e7) * totalWidth / 100.0));
        else if (e.kind == Kind::Share) parts += e.amount;
        if (e.kind == Kind::Pixels || e.kind == Kind::Percent) used += widths[c];
    }

    // Shared columns split what the fixed ones leave; rounding leftovers go
    // to the last shared column so the columns fill the list exactly.
    double left = std::max(0.0, totalWidth - used);
    if (parts > 0) {
        int32_t given = 0, last = -1;
        for (int32_t c = 0; c < columnCount; ++c) {
            if (entries[c].kind != Kind::Share) continue;
            widths[c] = static_cast<int32_t>(std::floor(left * entries[c].amount / parts));
            given += widths[c];
            if (entries[c].amount > 0) last = c;
        }
        if (last >= 0) widths[last] += static_cast<int32_t>(left) - given;
    }
    return widths;
}
