#pragma once
// Qt keys in the old framework's terms (internal).
#include <string>

#include <Qt>

// The one-character key string KeyDown receives: Backspace 8, Tab 9,
// Return 13, keypad Enter 3, Escape 27, arrows 28-31 (left, right, up,
// down), forward Delete 127, Home 1, End 4, Page Up 11, Page Down 12. With
// Command (Ctrl) held the letter comes from the key code, since X11 gives a
// control character as text. Otherwise the first character of the text.
// Empty for modifier-only presses (no KeyDown is raised).
std::string keyStringFor(int qtKey, Qt::KeyboardModifiers modifiers, const std::string& text);

// The old platform's key code of a Qt key for AsyncKeyDown, or -1.
int macKeyCodeFor(int qtKey);
