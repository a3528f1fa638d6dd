#include "recipe_window/ListNavigation.h"

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
