#include "framework/runtime/SystemInfo.h"

#include "framework/runtime/Clock.h"

int32_t ScreenCount() { return services().screenCount(); }

ScreenInfo Screen(int32_t index) { return services().screen(index); }

int32_t FontCount() { return static_cast<int32_t>(services().fontFamilies().size()); }

std::string Font(int32_t index) {
    const auto families = services().fontFamilies();
    if (index < 0 || index >= static_cast<int32_t>(families.size())) return std::string();
    return families[static_cast<size_t>(index)];
}

int32_t DoubleClickTicks() { return services().doubleClickTicks(); }

int32_t Ticks() { return Clock::ticks(); }

double Microseconds() { return static_cast<double>(Clock::microsecondsSinceStart()); }
