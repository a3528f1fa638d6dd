#include "app/LoopPacing.h"

#include "framework/runtime/Clock.h"
#include "framework/runtime/Services.h"

LoopPacing::LoopPacing(int32_t turnsPerSecond)
    : period_(1000000 / turnsPerSecond), lastTurn_(Clock::microsecondsSinceStart()) {}

bool LoopPacing::due() const { return Clock::microsecondsSinceStart() - lastTurn_ >= period_; }

void LoopPacing::turn() {
    yieldToEventLoop();
    lastTurn_ = Clock::microsecondsSinceStart();
}

void LoopPacing::finish() { deliverHeldInput(); }
