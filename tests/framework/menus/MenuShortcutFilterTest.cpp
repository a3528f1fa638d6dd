#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include "framework/menus/MenuShortcutFilter.h"
#include "tests/framework/menus/FakeMenuContext.h"

namespace {

// Real key events through the application's filters, as Qt delivers them to
// the focused widget: first the shortcut override, then the key press.
class MenuShortcutFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        menus.buildStandardBar();
        installMenuShortcutFilter();
        field = new QLineEdit(&window);
        field->setText("hello");
        field->setCursorPosition(0);
    }

    // Answers whether the override was accepted (the menu claims the key).
    bool sendOverride(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
        override.ignore();
        QApplication::sendEvent(field, &override);
        return override.isAccepted();
    }
    void sendPress(int key, Qt::KeyboardModifiers modifiers, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(field, &press);
    }

    FakeMenuContext menus;
    ScopedMenuContext installed{menus};
    QWidget window;
    QLineEdit* field = nullptr;
};

TEST_F(MenuShortcutFilterTest, AHandledItemWinsOverTheFieldsOwnBinding) {
    menus.bind(menus.window, "window", "EditSelectAll");
    EXPECT_TRUE(sendOverride(Qt::Key_A, Qt::ControlModifier));
    sendPress(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(menus.last(), "window.EditSelectAll");
    EXPECT_FALSE(field->hasSelectedText());
}

TEST_F(MenuShortcutFilterTest, AnItemNobodyHandlesLeavesTheKeyToTheField) {
    // The field claims the override for its own binding; the menus do not.
    sendOverride(Qt::Key_A, Qt::ControlModifier);
    sendPress(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_TRUE(field->hasSelectedText());
    EXPECT_EQ(field->selectedText(), "hello");
}

TEST_F(MenuShortcutFilterTest, StandardEditingOfTheFocusedControlCountsAsAHandler) {
    menus.editable = {StandardEdit::SelectAll};
    sendPress(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_EQ(menus.last(), "control.edit " + std::to_string(static_cast<int>(StandardEdit::SelectAll)));
    EXPECT_FALSE(field->hasSelectedText());  // the context did the editing, not Qt a second time
}

TEST_F(MenuShortcutFilterTest, ShiftedSymbolsReachTheirItemsWithOrWithoutShift) {
    for (const char* name : {"TextAlignLeft", "TextCenter", "TextAlignRight", "SizeBigger", "HelpProgramHelp"})
        menus.bind(menus.window, "window", name);
    const Qt::KeyboardModifiers shifted = Qt::ControlModifier | Qt::ShiftModifier;
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* handled;
    } cases[] = {{Qt::Key_BraceLeft, shifted, "window.TextAlignLeft"},
                 {Qt::Key_BraceLeft, Qt::ControlModifier, "window.TextAlignLeft"},
                 {Qt::Key_Bar, shifted, "window.TextCenter"},
                 {Qt::Key_BraceRight, shifted, "window.TextAlignRight"},
                 {Qt::Key_Plus, shifted, "window.SizeBigger"},
                 {Qt::Key_Equal, Qt::ControlModifier, "window.SizeBigger"},
                 {Qt::Key_Question, shifted, "window.HelpProgramHelp"}};
    for (const Case& c : cases) {
        menus.log.clear();
        sendPress(c.key, c.modifiers);
        EXPECT_EQ(menus.last(), c.handled);
    }
}

TEST_F(MenuShortcutFilterTest, PlainTypingNeverRunsTheEnablingPass) {
    sendPress(Qt::Key_B, Qt::NoModifier, "b");
    EXPECT_TRUE(menus.log.empty());
    EXPECT_EQ(field->text(), "bhello");
}

TEST_F(MenuShortcutFilterTest, AKeyPassedOnToParentsRunsTheEnablingPassOnce) {
    // A plain widget ignores keys, so Qt offers the key to each parent in turn.
    auto* inner = new QWidget(&window);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier);
    QApplication::sendEvent(inner, &press);
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.EnableMenuItems"), 1);

    QKeyEvent again(QEvent::KeyPress, Qt::Key_W, Qt::ControlModifier);
    QApplication::sendEvent(inner, &again);
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.EnableMenuItems"), 2);
}

TEST_F(MenuShortcutFilterTest, OneKeyRunsOneEnablingPassAndTheHandlerOnce) {
    menus.bind(menus.window, "window", "RecipeNextRecipe");
    // Qt sends the shortcut override itself before a key press it is given.
    sendPress(Qt::Key_BracketRight, Qt::ControlModifier);
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.EnableMenuItems"), 1);
    EXPECT_EQ(std::count(menus.log.begin(), menus.log.end(), "window.RecipeNextRecipe"), 1);
}

TEST_F(MenuShortcutFilterTest, NothingHappensWithoutAContext) {
    menus.bind(menus.window, "window", "EditSelectAll");
    setMenuContext(nullptr);
    sendPress(Qt::Key_A, Qt::ControlModifier, "\x01");
    EXPECT_TRUE(menus.log.empty());
    EXPECT_TRUE(field->hasSelectedText());
}

}  // namespace
