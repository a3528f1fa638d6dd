#include "framework/db/SortedMerge.h"

#include <algorithm>
#include <cstring>
#include <queue>

namespace {

int rank(SQLType type) {
    switch (type) {
        case SQLType::Null: return 0;
        case SQLType::Integer:
        case SQLType::Real: return 1;
        case SQLType::Text: return 2;
        case SQLType::Blob: return 3;
    }
    return 0;
}

template <typename T>
int sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

// An integer against a real without losing digits: beyond 2^63 a real is
// past every integer, and inside it the real's whole part decides first.
int compareIntegerToReal(int64_t i, double r) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (r < -kTwoTo63) return 1;
    if (r >= kTwoTo63) return -1;
    const auto whole = static_cast<int64_t>(r);  // toward zero
    if (i != whole) return sign(i, whole);
    return sign(static_cast<double>(0), r - static_cast<double>(whole));
}

int compareBytes(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    const int bytes = common ? std::memcmp(a.data(), b.data(), common) : 0;
    if (bytes != 0) return bytes < 0 ? -1 : 1;
    return sign(a.size(), b.size());
}

void appendRef(QueryResult& to, const SQLRef& v) {
    switch (v.type) {
        case SQLType::Null: to.appendNull(); break;
        case SQLType::Integer: to.appendInteger(v.integer); break;
        case SQLType::Real: to.appendReal(v.real); break;
        case SQLType::Text:
        case SQLType::Blob: to.appendBytes(v.type, v.bytes.data(), v.bytes.size()); break;
    }
}

}  // namespace

int compareAsSorted(const SQLRef& a, const SQLRef& b) {
    if (rank(a.type) != rank(b.type)) return sign(rank(a.type), rank(b.type));
    switch (a.type) {
        case SQLType::Null: return 0;
        case SQLType::Integer:
            return b.type == SQLType::Integer ? sign(a.integer, b.integer) : compareIntegerToReal(a.integer, b.real);
        case SQLType::Real:
            return b.type == SQLType::Real ? sign(a.real, b.real) : -compareIntegerToReal(b.integer, a.real);
        case SQLType::Text:
        case SQLType::Blob: return compareBytes(a.bytes, b.bytes);
    }
    return 0;
}

QueryResult mergeSorted(const std::vector<QueryResult>& parts, size_t column) {
    QueryResult merged;
    if (parts.empty()) return merged;
    merged.columns = parts.front().columns;
    merged.originColumns = parts.front().originColumns;
    merged.originTables = parts.front().originTables;
    const size_t width = merged.columns.size();

    // The next row of each part, the least first; a tie goes to the earlier part.
    struct Next {
        size_t part, row;
    };
    auto after = [&](const Next& x, const Next& y) {
        const int order = compareAsSorted(parts[x.part].at(x.row, column), parts[y.part].at(y.row, column));
        return order != 0 ? order > 0 : x.part > y.part;
    };
    std::priority_queue<Next, std::vector<Next>, decltype(after)> heads(after);
    for (size_t p = 0; p < parts.size(); ++p)
        if (parts[p].rowCount > 0) heads.push({p, 0});
    while (!heads.empty()) {
        const Next next = heads.top();
        heads.pop();
        const QueryResult& part = parts[next.part];
        for (size_t c = 0; c < width; ++c) appendRef(merged, part.at(next.row, c));
        ++merged.rowCount;
        if (next.row + 1 < part.rowCount) heads.push({next.part, next.row + 1});
    }
    return merged;
}
