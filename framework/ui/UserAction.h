#pragma once
// The user's actions, numbered. Each key press and each click (on a control,
// a window's background or a menu) begins a new one as the window system
// hands it over, before anything handles it, so the focus changes, handlers
// and boxes it causes all share its number.
#include <cstdint>

namespace UserAction {
void begin();
uint64_t current();
}  // namespace UserAction
