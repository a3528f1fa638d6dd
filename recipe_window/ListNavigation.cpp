#include "recipe_window/ListNavigation.h"

#include <algorithm>

#include "framework/runtime/Numbers.h"
#include "framework/text/Strings.h"

int32_t nextRow(int32_t index, int32_t count) {
    if (count <= 0) return -1;
    return index < count - 1 ? index + 1 : 0;
}

int32_t previousRow(int32_t index, int32_t count) {
    if (count <= 0) return -1;
    return index - 1 < 0 ? count - 1 : index - 1;
}

std::string extendTypeAhead(const std::string& prefix, int32_t prefixTicks, int32_t nowTicks,
                            const std::string& key) {
    return sub32(nowTicks, prefixTicks) < kTypeAheadTicks ? prefix + key : key;
}

int32_t firstRowBeginningWith(const std::string& prefix, int32_t count,
                              const std::function<std::string(int32_t row)>& nameOf) {
    const std::string wanted = Lowercase(prefix);
    const int32_t length = Len(prefix);
    for (int32_t row = 0; row < count; ++row) {
        const std::string name = nameOf(row);
        if (Lowercase(Left(name, length)) == wanted) return row;
    }
    return -1;
}

std::optional<int32_t> rowAfterMoveKey(const std::string& key, int32_t index, int32_t count, int32_t pageRows) {
    if (key.size() != 1 || (key[0] != 1 && key[0] != 4 && key[0] != 11 && key[0] != 12)) return std::nullopt;
    if (count <= 0) return -1;
    const int32_t page = std::max(1, pageRows);
    const int32_t from = std::max(0, index);
    switch (key[0]) {
        case 1: return 0;
        case 4: return count - 1;
        case 11: return std::max(0, from - page);
        default: return index < 0 ? 0 : std::min(count - 1, from + page);
    }
}
