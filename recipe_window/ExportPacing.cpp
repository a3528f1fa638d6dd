#include "recipe_window/ExportPacing.h"

#include "framework/runtime/Clock.h"
#include "framework/runtime/Services.h"

namespace {
constexpr int64_t kMicrosecondsPerTick = 1000000 / 60;
}

ExportPacing::ExportPacing() : lastTurn_(Clock::microsecondsSinceStart()) {}

void ExportPacing::rowDone() {
    const int64_t now = Clock::microsecondsSinceStart();
    if (now - lastTurn_ < kMicrosecondsPerTick) return;
    yieldToEventLoop();
    lastTurn_ = Clock::microsecondsSinceStart();
}
