#pragma once
// Keyboard state as the old framework offered it. Command is Ctrl here.
namespace Keyboard {
// True while the key with the old platform's code is held (Left 123,
// Right 124, Down 125, Up 126...). Read inside that key's own KeyDown.
bool AsyncKeyDown(int keyCode);
bool CommandKey();
bool MenuShortcutKey();  // the same as CommandKey
bool ShiftKey();
bool OptionKey();
bool ControlKey();
}  // namespace Keyboard

// The pointer in screen coordinates.
namespace System {
int MouseX();
int MouseY();
}  // namespace System
