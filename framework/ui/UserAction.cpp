#include "framework/ui/UserAction.h"

namespace {
uint64_t currentAction = 0;  // touched by the event loop's thread only
}  // namespace

void UserAction::begin() { ++currentAction; }

uint64_t UserAction::current() { return currentAction; }
