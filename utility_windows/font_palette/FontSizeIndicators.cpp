#include "utility_windows/font_palette/FontSizeIndicators.h"

#include <cmath>
#include <limits>

#include "framework/text/Strings.h"

const char* const kPaletteSizes = "9\r10\r11\r12\r13\r14\r16\r18\r22\r24\r28\r36\r48\r72";

namespace {
// The list's sizes as two-digit fields three characters apart, so a size's
// position in it gives its row.
const char* const kSizePositions = "09 10 11 12 13 14 16 18 22 24 28 36 48 72";
constexpr int32_t kSliderMinimum = 6;
constexpr int32_t kSliderMaximum = 72;
constexpr int32_t kLargestAppliedSize = 1000;
}  // namespace

int32_t wholeSize(double requested) {
    if (std::isnan(requested)) return 0;
    if (requested >= static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (requested <= static_cast<double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(requested);
}

SizeIndicators sizeIndicatorsFor(int32_t size) {
    SizeIndicators shown;
    shown.size = size;
    const int32_t position = InStr(kSizePositions, Format(size, "00"));
    shown.listIndex = position != 0 ? position / 3 : -1;
    shown.sliderShows = size >= kSliderMinimum && size <= kSliderMaximum;
    return shown;
}

bool isFractionBeingTyped(const std::string& typed, int32_t size) {
    const std::string whole = Str(size) + ".";
    if (typed.compare(0, whole.size(), whole) != 0) return false;
    return typed.find_first_not_of("0123456789", whole.size()) == std::string::npos;
}

double appliedTextSize(int32_t size) {
    if (size <= 0) return 0;
    return size > kLargestAppliedSize ? kLargestAppliedSize : size;
}
