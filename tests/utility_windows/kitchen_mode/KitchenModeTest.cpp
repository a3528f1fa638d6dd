// Kitchen mode: full screen with the text growing, reading aloud and
// stopping, its Command keys, the text sizes, the arrow-key jumps, and the
// font palette put away while it is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "app/SpeakAloud.h"
#include "framework/runtime/Services.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/PushButton.h"
#include "recipe_window/Main.h"
#include "tests/utility_windows/StartedLarderwise.h"
#include "utility_windows/font_palette/FontWindow.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"

namespace {

using Spoken = std::vector<std::pair<std::string, bool>>;

class KitchenMode : public StartedLarderwise {
protected:
    // What the main window does: show the window, then fill the text.
    KitchenModeWindow& open(const std::string& text) {
        KitchenModeWindow& kitchen = kitchenModeWIndow();
        kitchen.Show();
        kitchen.bigRecipeText->Text = text;
        ui.settle();
        return kitchen;
    }
    const Spoken& spoken() { return ui.dialogs().spoken(); }
};

std::string manyLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "Step " + std::to_string(i) + "\r";
    return text;
}

}  // namespace

TEST_F(KitchenMode, FillsTheScreenWithTheTextGrowingAndTheTextCannotBeChanged) {
    KitchenModeWindow& kitchen = open("Boil the water.");
    ASSERT_TRUE(kitchen.isShown());
    // The window's frame covers the whole of the screen the desktop offers.
    const ScreenInfo screen = services().screen(0);
    const QWidget* shown = nullptr;
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Kitchen Mode") shown = top;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->frameGeometry().size(), QSize(screen.AvailableWidth, screen.AvailableHeight));
    // The text grows with it, keeping as wide a margin to the right and the
    // bottom as to the left; the buttons stay above it.
    const EditField& text = *kitchen.bigRecipeText;
    EXPECT_EQ(kitchen.Width.get() - (text.Left.get() + text.Width.get()), text.Left.get());
    EXPECT_EQ(kitchen.Height.get() - (text.Top.get() + text.Height.get()), text.Left.get());
    EXPECT_LT(kitchen.readRecipe->Top.get() + kitchen.readRecipe->Height.get(), text.Top.get());
    ui.type(*kitchen.bigRecipeText, "x");
    EXPECT_EQ(kitchen.bigRecipeText->Text.get(), "Boil the water.") << "a recipe to read, not to edit";
}

TEST_F(KitchenMode, ReadingThatCannotBeHeardSaysWhyAndOffersNothingToStop) {
    KitchenModeWindow& kitchen = open("Whisk the eggs.");
    ui.dialogs().setSpeechHeard(false);  // no sound output on this computer
    ui.dialogs().expectMsgBox(kSpeechNotHeardMessage);
    ui.click(*kitchen.readRecipe, 5, 5);
    ui.dialogs().verifyAllUsed();
    EXPECT_EQ(spoken(), (Spoken{{"Whisk the eggs.", true}}));
    EXPECT_FALSE(kitchen.shutUp->Visible.get()) << "nothing is being read";
    EXPECT_TRUE(kitchen.isShown());
}

TEST_F(KitchenMode, ReadsTheWholeTextOrTheSelectionAndTheButtonSaysWhich) {
    KitchenModeWindow& kitchen = open("Whisk the eggs. Fold in the flour.");
    ui.click(*kitchen.readRecipe, 5, 5);
    EXPECT_EQ(spoken(), (Spoken{{"Whisk the eggs. Fold in the flour.", true}}));
    EXPECT_TRUE(kitchen.shutUp->Visible.get());

    // The user drags across the start of the text.
    ui.press(*kitchen.bigRecipeText, 4, 12);
    ui.drag(*kitchen.bigRecipeText, 120, 12);
    ui.release(*kitchen.bigRecipeText, 120, 12);
    ASSERT_GT(kitchen.bigRecipeText->SelLength.get(), 0);
    EXPECT_EQ(kitchen.readRecipe->Caption.get(), "Read Selection");
    ui.click(*kitchen.readRecipe, 5, 5);
    EXPECT_EQ(spoken().back(), (std::pair<std::string, bool>{kitchen.bigRecipeText->SelText.get(), true}));
    EXPECT_LT(spoken().back().first.size(), std::string("Whisk the eggs. Fold in the flour.").size());

    ui.click(*kitchen.bigRecipeText, 300, 12);  // a plain click clears the selection
    EXPECT_EQ(kitchen.readRecipe->Caption.get(), "Read Entire Recipe");
}

TEST_F(KitchenMode, CommandKeysReadStopAndClose) {
    KitchenModeWindow* kitchen = &open("Knead for ten minutes.");
    EditField& text = *kitchen->bigRecipeText;
    ui.key(text, "r", UiDriver::Command);
    ui.key(text, "R", UiDriver::Command | UiDriver::Shift);
    EXPECT_EQ(spoken(), (Spoken{{"Knead for ten minutes.", true}, {"Knead for ten minutes.", true}}));
    ui.key(text, "s", UiDriver::Command);
    EXPECT_EQ(spoken().back(), (std::pair<std::string, bool>{" ", true}));
    EXPECT_TRUE(kitchen->shutUp->Visible.get());  // stays, also once speech has ended
    ui.key(text, "r");  // without Command: nothing
    EXPECT_EQ(spoken().size(), 3u);

    ui.key(text, "w", UiDriver::Command);
    EXPECT_EQ(spoken().back(), (std::pair<std::string, bool>{" ", true}));
    EXPECT_TRUE(kitchen->isClosing());
    ui.settle();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_TRUE(Main().isShown());
}

TEST_F(KitchenMode, TheCloseBoxLeavesSpeechRunning) {
    KitchenModeWindow& kitchen = open("Rest the dough.");
    ui.click(*kitchen.readRecipe, 5, 5);
    kitchen.Close();
    EXPECT_EQ(spoken(), (Spoken{{"Rest the dough.", true}}));
}

TEST_F(KitchenMode, TheSizeMenuSetsTheTextSize) {
    KitchenModeWindow& kitchen = open("Season to taste.");
    kitchen.textSize->ListIndex = 8;
    EXPECT_EQ(kitchen.bigRecipeText->TextSize.get(), 96);
    kitchen.textSize->ListIndex = 0;
    EXPECT_EQ(kitchen.bigRecipeText->TextSize.get(), 18);
    ASSERT_EQ(kitchen.textSize->ListCount(), 9);
    EXPECT_EQ(kitchen.textSize->List(2), "24");
}

TEST_F(KitchenMode, ArrowKeysJumpTenLinesWithoutLeavingTheText) {
    // Filled as the main window fills it: the caret ends up after the text.
    KitchenModeWindow& kitchen = open(manyLines(200));
    EditField& text = *kitchen.bigRecipeText;
    // Nobody clicks: the text has the focus the window got when it opened.
    EXPECT_EQ(kitchen.Focus(), &text);
    EXPECT_EQ(text.ScrollPosition.get(), 0);
    ui.pressKey("\x1F");  // down
    EXPECT_EQ(text.ScrollPosition.get(), 10);
    ui.pressKey("\x1F");
    EXPECT_EQ(text.ScrollPosition.get(), 20);
    ui.pressKey("\x1E");  // up
    EXPECT_EQ(text.ScrollPosition.get(), 10);
    for (int i = 0; i < 40; ++i) ui.pressKey("\x1F");
    const int32_t atTheEnd = text.ScrollPosition.get();
    EXPECT_GT(atTheEnd, 150);
    EXPECT_LT(atTheEnd, 200);  // the last lines still fill the field
    ui.pressKey("\x1E");
    EXPECT_EQ(text.ScrollPosition.get(), atTheEnd - 10);
    for (int i = 0; i < 40; ++i) ui.pressKey("\x1E");
    EXPECT_EQ(text.ScrollPosition.get(), 0);
    EXPECT_TRUE(ui.dialogs().spoken().empty());
}

TEST_F(KitchenMode, ShiftWithTheArrowsExtendsTheSelectionInsteadOfJumping) {
    KitchenModeWindow& kitchen = open(manyLines(200));
    EditField& text = *kitchen.bigRecipeText;
    ui.pressKey("\x1F");  // a jump first: the caret stays where it was
    ASSERT_EQ(text.ScrollPosition.get(), 10);
    text.SelStart = 0;
    text.SelLength = 0;
    ui.pressKey("\x1F", UiDriver::Shift);
    ui.pressKey("\x1F", UiDriver::Shift);
    EXPECT_EQ(text.SelStart.get(), 0);
    EXPECT_EQ(text.SelText.get(), "Step 1\rStep 2\r");
    EXPECT_EQ(kitchen.readRecipe->Caption.get(), "Read Selection");
    ui.pressKey("\x1E", UiDriver::Shift);
    EXPECT_EQ(text.SelText.get(), "Step 1\r");
}

TEST_F(KitchenMode, PutsAnOpenFontPaletteAwayAndBringsItBack) {
    FontWindow().Show();
    KitchenModeWindow* kitchen = &open("Chop the onions.");
    EXPECT_FALSE(App().fontWindowVisible);
    ui.settle();
    EXPECT_EQ(ImplicitWindows::find(typeid(FontPaletteWindow)), nullptr) << "the palette is put away";

    ui.click(*kitchen->closeWindow, 5, 5);
    ui.settle();
    EXPECT_TRUE(App().fontWindowVisible);
    FontPaletteWindow& palette = FontWindow();
    EXPECT_TRUE(palette.isShown());
    EXPECT_EQ(palette.Left.get(), Main().Left.get() + Main().Width.get() + 5);
}

TEST_F(KitchenMode, AQuitDoesNotBuildThePaletteAgain) {
    FontWindow().Show();
    open("Chop the onions.");
    ui.chooseMenu("FileQuit");
    ui.settle();
    EXPECT_TRUE(ui.loopEnded());
    EXPECT_EQ(ImplicitWindows::find(typeid(FontPaletteWindow)), nullptr);
    EXPECT_FALSE(App().fontWindowVisible);
}

TEST_F(KitchenMode, AClosedPaletteStaysClosed) {
    KitchenModeWindow& kitchen = open("Chop the onions.");
    kitchen.Close();
    ui.settle();
    EXPECT_FALSE(App().fontWindowVisible);
    EXPECT_EQ(ImplicitWindows::find(typeid(FontPaletteWindow)), nullptr) << "no palette is shown";
}

TEST_F(KitchenMode, TheNextOpeningStartsAfresh) {
    KitchenModeWindow* first = &open("Serve hot.");
    ui.click(*first->readRecipe, 5, 5);
    first->textSize->ListIndex = 7;
    ui.click(*first->closeWindow, 5, 5);
    ui.settle();
    KitchenModeWindow& second = open("Serve cold.");
    EXPECT_FALSE(second.shutUp->Visible.get());
    EXPECT_EQ(second.textSize->Text.get(), "30");
    EXPECT_EQ(second.readRecipe->Caption.get(), "Read Recipe");
}
