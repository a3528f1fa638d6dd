#include "framework/ui/Keyboard.h"

#include "framework/runtime/Services.h"

namespace Keyboard {
bool AsyncKeyDown(int keyCode) { return services().heldKeys.isDown(keyCode); }
bool CommandKey() { return services().modifiers().command; }
bool MenuShortcutKey() { return CommandKey(); }
bool ShiftKey() { return services().modifiers().shift; }
bool OptionKey() { return services().modifiers().option; }
bool ControlKey() { return services().modifiers().control; }
bool KeysWaiting() { return services().keysWaiting && services().keysWaiting(); }
}  // namespace Keyboard

namespace System {
int MouseX() {
    int32_t x = 0, y = 0;
    services().pointerPosition(x, y);
    return x;
}
int MouseY() {
    int32_t x = 0, y = 0;
    services().pointerPosition(x, y);
    return y;
}
}  // namespace System
