// What the main window hands to others: the spoken selection, the font
// palette, and the amount the unit converter gets from the recipe text.
#include <gmock/gmock.h>

#include "app/SpeakAloud.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/controls/Listbox.h"
#include "tests/support/MainWindowFixture.h"
#include "utility_windows/font_palette/FontWindow.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

namespace {

using testing::ElementsAre;
using testing::Pair;

struct HandoffsTest : MainWindowTest {
    EditField& text() { return *w().RecipeText; }
    void startWith(const std::string& plain) { start({recipe("Cake", "cheap", 0, plain)}); }
    void select(EditField& field, int32_t start, int32_t length) {
        field.SelStart = start;
        field.SelLength = length;
    }
    // The amount the converter gets when these characters of the text are
    // selected and the command is chosen.
    std::string amountFor(const std::string& plain) {
        ui.setFocus(text());
        text().Text = plain;
        select(text(), 0, static_cast<int32_t>(StyledText(plain).Length()));
        ui.chooseMenu("RecipeUnitConverter");
        return recipeUnits().monto->Text;
    }
    bool paletteOpen() { return ImplicitWindows::find(typeid(FontPaletteWindow)) != nullptr; }
};

TEST_F(HandoffsTest, TheFirstSelectionOfNameKeywordsAndTextIsSpokenCuttingOffSpeech) {
    startWith("Flour and sugar");
    ui.setFocus(text());
    select(text(), 0, 5);
    select(*w().recipeName, 0, 2);
    ui.chooseMenu("UtilitySpeakselection");
    select(*w().recipeName, 0, 0);
    select(*w().recipeKeywords, 1, 3);
    ui.chooseMenu("UtilitySpeakselection");
    select(*w().recipeKeywords, 0, 0);
    ui.chooseMenu("UtilitySpeakselection");
    EXPECT_THAT(ui.dialogs().spoken(), ElementsAre(Pair("Ca", true), Pair("hea", true), Pair("Flour", true)));
}

TEST_F(HandoffsTest, NothingSelectedAnywhereSaysSoAndSpeaksNothing) {
    startWith("Flour");
    ui.setFocus(text());
    select(text(), 2, 0);
    ui.dialogs().expectMsgBox("No speakable text selected.");
    ui.chooseMenu("UtilitySpeakselection");
    EXPECT_TRUE(ui.dialogs().spoken().empty());
}

TEST_F(HandoffsTest, ASelectionThatCannotBeHeardSaysWhy) {
    startWith("Flour and sugar");
    ui.setFocus(text());
    select(text(), 0, 5);
    ui.dialogs().setSpeechHeard(false);  // no sound output on this computer
    ui.dialogs().expectMsgBox(kSpeechNotHeardMessage);
    ui.chooseMenu("UtilitySpeakselection");
    EXPECT_THAT(ui.dialogs().spoken(), ElementsAre(Pair("Flour", true)));
    ui.dialogs().verifyAllUsed();
}

TEST_F(HandoffsTest, ShowFontsOpensThePaletteAndClosesItAgain) {
    startWith("Flour");
    ui.setFocus(text());
    ui.chooseMenu("FontShowFonts");
    EXPECT_TRUE(paletteOpen());
    EXPECT_TRUE(FontWindow().isShown());
    ui.chooseMenu("FontShowFonts");
    EXPECT_FALSE(paletteOpen());
    ui.settle();

    // Command-T twice, as typed.
    ui.pressKey("t", UiDriver::Command);
    EXPECT_TRUE(paletteOpen());
    ui.pressKey("t", UiDriver::Command);
    EXPECT_FALSE(paletteOpen());
}

// The user clicked the palette, so it is the active window: Command-T (the
// only way to the menu command there) still closes it.
TEST_F(HandoffsTest, ShowFontsClosesThePaletteAlsoWhenThePaletteIsActive) {
    startWith("Flour");
    ui.setFocus(text());
    ui.pressKey("t", UiDriver::Command);
    ASSERT_TRUE(paletteOpen());
    FontPaletteWindow& palette = FontWindow();
    ui.click(*palette.FontList, 10, 10);
    ASSERT_TRUE(palette.isActive());
    ui.pressKey("t", UiDriver::Command);
    EXPECT_FALSE(paletteOpen());
    EXPECT_FALSE(App().fontWindowVisible) << "the next Command-T opens it again";
    ui.settle();
    ui.setFocus(text());
    ui.pressKey("t", UiDriver::Command);
    EXPECT_TRUE(paletteOpen());
}

TEST_F(HandoffsTest, KitchenModeShowsTheStyledTextAtThirtyPoints) {
    start({recipe("Cake", "", 0, std::string("Flour\rSugar"),
                  std::string("{\\rtf1\\ansi {\\fonttbl\\f0 Courier;}\\f0\\fs24 \\b Flour\\b0\\par\\qc Sugar}"))});
    ui.setFocus(*w().recipeList);
    ui.chooseMenu("RecipeKitchenmode");
    KitchenModeWindow& kitchen = kitchenModeWIndow();
    EXPECT_TRUE(kitchen.isShown());
    StyledText shown = kitchen.bigRecipeText->StyledText;
    EXPECT_EQ(shown.Text(), "Flour\rSugar");
    EXPECT_TRUE(shown.StyleAt(0).Bold);
    EXPECT_FALSE(shown.StyleAt(7).Bold);
    EXPECT_EQ(shown.StyleAt(0).Font, "Courier");
    EXPECT_EQ(shown.StyleAt(0).Size, 30);
    EXPECT_EQ(shown.StyleAt(7).Size, 30);
    EXPECT_EQ(shown.GetParagraph(1).Alignment, TextAlignment::Center);
}

TEST_F(HandoffsTest, TheConverterGetsTheFirstLineCleanedToItsNumber) {
    startWith("Flour");
    EXPECT_EQ(amountFor("2 cups\r3 tbsp"), "2");
    EXPECT_EQ(amountFor("1/2 tsp."), "1/2.");
    EXPECT_EQ(amountFor("1 ½ cups"), "1½");
    EXPECT_EQ(amountFor("\r2 cups"), "");
    EXPECT_EQ(amountFor("a"), "a");  // one byte is left alone
    EXPECT_EQ(amountFor("“3”\t– 4°!"), "3–4");
    EXPECT_TRUE(recipeUnits().isShown());
}

TEST_F(HandoffsTest, WithoutASelectionTheConverterIsOnlyShownWithItsAmountKept) {
    startWith("Flour");
    ui.setFocus(text());
    select(text(), 0, 0);
    recipeUnits().monto->Text = std::string("7");
    ui.chooseMenu("RecipeUnitConverter");
    EXPECT_EQ(std::string(recipeUnits().monto->Text), "7");
    EXPECT_TRUE(recipeUnits().isShown());
}

TEST_F(HandoffsTest, RemoveDropsWholeCharactersComparedAsBytes) {
    startWith("Flour");
    EXPECT_EQ(w().Remove("Aa", "a"), "A");
    EXPECT_EQ(w().Remove("é1è", "é"), "1è");
    EXPECT_EQ(w().Remove("x", "x"), "x");
    EXPECT_EQ(w().Remove("", "x"), "");
    EXPECT_EQ(w().Remove("Ω2", "Ω"), "2");
    EXPECT_EQ(w().Remove("ω2", "Ω"), "ω2");
}

}  // namespace
