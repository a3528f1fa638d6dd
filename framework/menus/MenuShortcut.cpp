#include "framework/menus/MenuShortcut.h"

#include <array>
#include <cctype>
#include <string_view>

#include "framework/menus/MenuName.h"

namespace {

// Named keys, in their canonical spelling; parsing accepts any letter case.
constexpr std::array<std::string_view, 16> kNamedKeys = {
    "Return", "Enter", "Esc", "Tab", "Backspace", "Delete", "Left", "Right",
    "Up", "Down", "Home", "End", "PageUp", "PageDown", "Space", "Help"};

std::optional<std::string> canonicalKey(std::string_view key) {
    if (key.size() == 1) {
        unsigned char c = static_cast<unsigned char>(key[0]);
        if (c < 0x20 || c >= 0x7f) return std::nullopt;
        if (c == ' ') return std::string("Space");
        return std::string(1, static_cast<char>(std::toupper(c)));
    }
    for (std::string_view named : kNamedKeys)
        if (sameMenuName(named, key)) return std::string(named);
    if (sameMenuName(key, "Escape")) return std::string("Esc");
    if ((key[0] == 'F' || key[0] == 'f') && key.size() <= 3) {
        int n = 0;
        for (char c : key.substr(1)) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + (c - '0');
        }
        if (n >= 1 && n <= 15) return "F" + std::to_string(n);
    }
    return std::nullopt;
}

bool isSymbolKey(const std::string& key) {
    return key.size() == 1 && !std::isalnum(static_cast<unsigned char>(key[0]));
}

// Takes one "Modifier+" off the front of rest; false when rest starts with none.
bool takeModifier(std::string_view& rest, KeyChord& chord) {
    size_t plus = rest.find('+');
    // "Cmd++": the last "+" is the key itself, so a modifier needs something after its "+".
    if (plus == std::string_view::npos || plus == 0 || plus + 1 >= rest.size()) return false;
    std::string_view name = rest.substr(0, plus);
    if (sameMenuName(name, "Cmd") || sameMenuName(name, "Command")) chord.command = true;
    else if (sameMenuName(name, "Shift")) chord.shift = true;
    else if (sameMenuName(name, "Alt") || sameMenuName(name, "Option")) chord.option = true;
    else if (sameMenuName(name, "Ctrl") || sameMenuName(name, "Control")) chord.control = true;
    else return false;
    rest.remove_prefix(plus + 1);
    return true;
}

}  // namespace

std::optional<KeyChord> parseShortcut(const std::string& shortcut) {
    std::string_view rest = shortcut;
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    while (!rest.empty() && rest.back() == ' ') rest.remove_suffix(1);
    if (rest.empty()) return std::nullopt;
    KeyChord chord;
    while (takeModifier(rest, chord)) {}
    auto key = canonicalKey(rest);
    if (!key) return std::nullopt;
    chord.key = *key;
    return chord;
}

bool shortcutMatches(const KeyChord& shortcut, const KeyChord& pressed) {
    // "+" is the shifted level of the "=" key on most keyboards, so a "+"
    // shortcut also answers that key unshifted (Ctrl+= for Ctrl++).
    const bool plusOnItsKey = shortcut.key == "+" && pressed.key == "=" && !pressed.shift;
    if (shortcut.key != pressed.key && !plusOnItsKey) return false;
    if (shortcut.command != pressed.command || shortcut.option != pressed.option ||
        shortcut.control != pressed.control)
        return false;
    if (isSymbolKey(shortcut.key) && !shortcut.shift) return true;
    return shortcut.shift == pressed.shift;
}

std::string shortcutDisplayText(const KeyChord& shortcut) {
    std::string text;
    if (shortcut.control) text += "Meta+";
    if (shortcut.command) text += "Ctrl+";
    if (shortcut.option) text += "Alt+";
    if (shortcut.shift) text += "Shift+";
    return text + shortcut.key;
}
