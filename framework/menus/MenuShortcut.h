#pragma once
// Keyboard shortcuts of menu items. Shortcut strings name the modifiers
// before the key ("Cmd+Shift+P", "Cmd++", "Cmd+{"); "Cmd" is the Ctrl key
// here. Matching is done by the framework itself, not by Qt's shortcut map,
// so shifted symbols ("{", "|", "}", "?", "+") match whether or not the
// keyboard reports Shift with them, and a key passes on to the focused
// control whenever its item is disabled or handled by nobody.
#include <optional>
#include <string>

struct KeyChord {
    // "A".."Z" for letters, the character itself for other printable keys
    // ("+", "{", "1"), or a key name: "Return", "Enter", "Esc", "Tab",
    // "Backspace", "Delete", "Left", "Right", "Up", "Down", "Home", "End",
    // "PageUp", "PageDown", "Space", "F1".."F15".
    std::string key;
    bool command = false;  // Ctrl on this platform
    bool shift = false;
    bool option = false;   // Alt
    bool control = false;  // the Mac Control key: Meta on this platform

    bool operator==(const KeyChord&) const = default;
};

// Parses a shortcut string. Empty or unparseable strings give nullopt.
std::optional<KeyChord> parseShortcut(const std::string& shortcut);

// Whether a pressed key chord triggers a shortcut. Shift is ignored for
// symbol keys unless the shortcut names it, because the symbol already says
// which level of the key was pressed. A "+" shortcut also answers "=" without
// Shift, the key "+" is on.
bool shortcutMatches(const KeyChord& shortcut, const KeyChord& pressed);

// The text shown beside a menu item: "Ctrl+Shift+P", "Ctrl++".
std::string shortcutDisplayText(const KeyChord& shortcut);
