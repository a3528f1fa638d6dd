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
// True while keys the user has typed wait to be handled (they came in while
// a handler was busy): a handler that would only be overtaken by them can
// leave its work to the last of them.
bool KeysWaiting();
}  // namespace Keyboard

// The pointer in screen coordinates.
namespace System {
int MouseX();
int MouseY();
}  // namespace System
