#include "controls/splitter/HandleStyle.h"

#include <cmath>

namespace {
void automaticHandle(SplitterModel& m, bool dark, int32_t thickness, int32_t length) {
    m.handleDimple = dark;
    m.handleLarge = false;
    m.handleCount = 3;
    if (m.handleDimple) {
        if (thickness > 5 && length > 20) {
            m.handleLarge = true;
            m.handleCount = 1;
        }
    } else if (thickness > 12 && length > 120) {
        m.handleLarge = true;
        m.handleCount = 2;
    } else if (thickness < 10) {
        m.handleCount = 2;
    }
}
}  // namespace

void applyHandleType(SplitterModel& m, int32_t type, bool dark, int32_t thickness, int32_t length) {
    switch (type) {
        case 0: automaticHandle(m, dark, thickness, length); break;
        case 1: m.handleDimple = false, m.handleLarge = false, m.handleCount = 3; break;
        case 2: m.handleDimple = false, m.handleLarge = true, m.handleCount = 2; break;
        case 3: m.handleDimple = true, m.handleLarge = false, m.handleCount = 3; break;
        case 4: m.handleDimple = true, m.handleLarge = true, m.handleCount = 1; break;
        default: m.handleCount = 0; break;
    }
}

std::vector<int32_t> handleOffsets(bool dimple, bool large, int32_t count) {
    const double spacing = dimple ? (large ? 5.0 : 3.0) : (large ? 1.5 : 1.0);
    const double last = count * spacing;
    std::vector<int32_t> offsets;
    // Stepped in 64 bits with the fraction dropped each time, as the grip was
    // always placed; a huge count written by code still ends.
    for (int64_t i = static_cast<int64_t>(std::trunc(spacing - last)); static_cast<double>(i) <= last;
         i = static_cast<int64_t>(std::trunc(static_cast<double>(i) + 2 * spacing)))
        offsets.push_back(static_cast<int32_t>(i));
    return offsets;
}
