#include <gtest/gtest.h>

#include "framework/menus/MenuShortcut.h"
#include "framework/menus/MenuShortcutFilter.h"

namespace {

KeyChord chord(std::string key, bool command = true, bool shift = false) {
    KeyChord c;
    c.key = std::move(key);
    c.command = command;
    c.shift = shift;
    return c;
}

TEST(MenuShortcut, ParsesTheMenuBarsShortcuts) {
    struct Case {
        const char* text;
        const char* key;
        bool shift;
    } cases[] = {{"Cmd+N", "N", false}, {"Cmd+Shift+P", "P", true}, {"Cmd++", "+", false},
                 {"Cmd+-", "-", false}, {"Cmd+{", "{", false},     {"Cmd+|", "|", false},
                 {"Cmd+}", "}", false}, {"Cmd+]", "]", false},     {"Cmd+[", "[", false},
                 {"Cmd+?", "?", false}, {"Cmd+Shift+B", "B", true}, {"cmd+shift+u", "U", true}};
    for (const Case& c : cases) {
        auto parsed = parseShortcut(c.text);
        ASSERT_TRUE(parsed) << c.text;
        EXPECT_EQ(*parsed, chord(c.key, true, c.shift)) << c.text;
    }
}

TEST(MenuShortcut, EmptyAndMalformedShortcutsAreNone) {
    for (const char* text : {"", "  ", "Cmd+", "Cmd+Banana", "Hyper+N", "Cmd+F99"})
        EXPECT_FALSE(parseShortcut(text)) << text;
    EXPECT_EQ(parseShortcut("Alt+F4")->key, "F4");
    EXPECT_EQ(parseShortcut("Cmd+Escape")->key, "Esc");
}

TEST(MenuShortcut, ShiftIsIgnoredForSymbolsButNotForLetters) {
    const KeyChord braceLeft = *parseShortcut("Cmd+{");
    // X11 reports Shift with "{", synthetic events do not: both must match.
    EXPECT_TRUE(shortcutMatches(braceLeft, chord("{", true, true)));
    EXPECT_TRUE(shortcutMatches(braceLeft, chord("{", true, false)));
    EXPECT_FALSE(shortcutMatches(braceLeft, chord("[", true, false)));
    EXPECT_FALSE(shortcutMatches(braceLeft, chord("{", false, true)));

    const KeyChord print = *parseShortcut("Cmd+P");
    const KeyChord pageSetup = *parseShortcut("Cmd+Shift+P");
    EXPECT_TRUE(shortcutMatches(print, chord("P")));
    EXPECT_FALSE(shortcutMatches(print, chord("P", true, true)));
    EXPECT_TRUE(shortcutMatches(pageSetup, chord("P", true, true)));
    EXPECT_FALSE(shortcutMatches(pageSetup, chord("P")));

    // "+" needs Shift on most keyboards; its unshifted key "=" is as good.
    const KeyChord bigger = *parseShortcut("Cmd++");
    EXPECT_TRUE(shortcutMatches(bigger, chord("+", true, true)));
    EXPECT_TRUE(shortcutMatches(bigger, chord("=", true, false)));
    EXPECT_FALSE(shortcutMatches(bigger, chord("=", false, false)));
    EXPECT_FALSE(shortcutMatches(*parseShortcut("Cmd+="), chord("+", true, true)));

    KeyChord withAlt = chord("N");
    withAlt.option = true;
    EXPECT_FALSE(shortcutMatches(*parseShortcut("Cmd+N"), withAlt));
}

TEST(MenuShortcut, QtKeysOfShiftedSymbolsGiveTheSymbol) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* shortcut;
    } cases[] = {{Qt::Key_BraceLeft, Qt::ControlModifier | Qt::ShiftModifier, "Cmd+{"},
                 {Qt::Key_BraceLeft, Qt::ControlModifier, "Cmd+{"},
                 {Qt::Key_Bar, Qt::ControlModifier | Qt::ShiftModifier, "Cmd+|"},
                 {Qt::Key_BraceRight, Qt::ControlModifier | Qt::ShiftModifier, "Cmd+}"},
                 {Qt::Key_Question, Qt::ControlModifier | Qt::ShiftModifier, "Cmd+?"},
                 {Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier, "Cmd++"},
                 {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, "Cmd++"},
                 {Qt::Key_Minus, Qt::ControlModifier, "Cmd+-"},
                 {Qt::Key_BracketRight, Qt::ControlModifier, "Cmd+]"},
                 {Qt::Key_BracketLeft, Qt::ControlModifier, "Cmd+["},
                 {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, "Cmd+Shift+P"},
                 {Qt::Key_N, Qt::ControlModifier, "Cmd+N"}};
    for (const Case& c : cases) {
        auto pressed = chordFromKey(c.key, c.modifiers);
        ASSERT_TRUE(pressed) << c.shortcut;
        EXPECT_TRUE(shortcutMatches(*parseShortcut(c.shortcut), *pressed)) << c.shortcut;
    }
    EXPECT_FALSE(shortcutMatches(*parseShortcut("Cmd+]"), *chordFromKey(Qt::Key_BracketLeft, Qt::ControlModifier)));
    EXPECT_FALSE(chordFromKey(Qt::Key_Control, Qt::ControlModifier));
    EXPECT_FALSE(chordFromKey(Qt::Key_Shift, Qt::ShiftModifier));
}

TEST(MenuShortcut, DisplayTextNamesTheCtrlKey) {
    EXPECT_EQ(shortcutDisplayText(*parseShortcut("Cmd+Shift+P")), "Ctrl+Shift+P");
    EXPECT_EQ(shortcutDisplayText(*parseShortcut("Cmd++")), "Ctrl++");
    EXPECT_EQ(shortcutDisplayText(*parseShortcut("Cmd+|")), "Ctrl+|");
}

}  // namespace
