// The font palette: its size mapping, where it opens, and that only the
// user's own choices on it style the recipe text.
#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/runtime/Services.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/Slider.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/utility_windows/MainWindowSupport.h"
#include "utility_windows/font_palette/FontSizeIndicators.h"
#include "utility_windows/font_palette/FontWindow.h"

namespace {

TEST(PaletteSizes, ASizeShowsInItsRowAndOnTheSlider) {
    EXPECT_EQ(sizeIndicatorsFor(9).listIndex, 0);
    EXPECT_EQ(sizeIndicatorsFor(10).listIndex, 1);
    EXPECT_EQ(sizeIndicatorsFor(72).listIndex, 13);
    EXPECT_EQ(sizeIndicatorsFor(15).listIndex, -1);
    EXPECT_TRUE(sizeIndicatorsFor(15).sliderShows);
    EXPECT_FALSE(sizeIndicatorsFor(5).sliderShows);
    EXPECT_EQ(sizeIndicatorsFor(100).listIndex, -1);
    EXPECT_FALSE(sizeIndicatorsFor(100).sliderShows);
    for (int32_t odd : {0, 1, 2, -9, 90, 910}) EXPECT_EQ(sizeIndicatorsFor(odd).listIndex, -1) << odd;
}

TEST(PaletteSizes, RequestedSizesBecomeWholeAndSafe) {
    EXPECT_EQ(wholeSize(12.9), 12);
    EXPECT_EQ(wholeSize(std::nan("")), 0);
    EXPECT_EQ(wholeSize(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(appliedTextSize(0), 0);
    EXPECT_EQ(appliedTextSize(-5), 0);
    EXPECT_EQ(appliedTextSize(36), 36);
    EXPECT_EQ(appliedTextSize(5000), 1000);
}

struct PaletteTest : MainWindowFixture {
    FontPaletteWindow* palette = nullptr;

    void openPalette() { palette = &FontWindow(); }
    double sizeAt(int32_t start) const { return Main().RecipeText->StyledText.get().Size(start, 1); }
    std::string fontAt(int32_t start) const { return Main().RecipeText->StyledText.get().Font(start, 1); }
    void giveSizes(int32_t start, int32_t length, double size) {
        text().SelStart = start;
        text().SelLength = length;
        text().SelTextSize = size;
    }
};

TEST_F(PaletteTest, OpensBesideTheMainWindowAndListsEveryFamily) {
    startWithRecipe("Flour and sugar");
    main().Left = 40;
    openPalette();
    EXPECT_TRUE(App().fontWindowVisible) << "the palette says it is shown as it opens";
    EXPECT_EQ(palette->Title(), "Font");
    EXPECT_EQ(palette->Left(), 40 + main().Width() + 5);
    ASSERT_EQ(palette->FontList->ListCount(), 3);
    EXPECT_EQ(palette->FontList->List(0), "DejaVu Sans");

    palette->Close();
    EXPECT_FALSE(App().fontWindowVisible);
    main().Left = 100;
    openPalette();
    EXPECT_EQ(palette->Left(), 100 + main().Width() + 5);
}

TEST_F(PaletteTest, FollowingAMixedSelectionLeavesItMixed) {
    startWithRecipe("Flour and sugar");
    giveSizes(0, 5, 24);
    giveSizes(5, 10, 14);
    openPalette();
    userSelects(0, 15);
    palette->Activate();
    main().RecipeText_SelChange();
    EXPECT_EQ(sizeAt(0), 24);
    EXPECT_EQ(sizeAt(6), 14);
    EXPECT_EQ(palette->fontSize->Text(), "24");
    EXPECT_EQ(palette->SizeList->ListIndex(), 9);
    EXPECT_EQ(palette->FontSizeSlider->Value(), 24);
}

TEST_F(PaletteTest, FollowingShowsTheFamilyOfTheSelectionFromTheFirstRow) {
    startWithRecipe("Flour and sugar");
    openPalette();
    text().SelStart = 0;
    text().SelLength = 5;
    text().SelTextFont = std::string("DejaVu Sans");
    userSelects(0, 5);
    EXPECT_EQ(palette->FontList->ListIndex(), 0);
    main().recipeTextSelFont = "dejavu serif";
    palette->setFont();
    EXPECT_EQ(palette->FontList->ListIndex(), 2);
    EXPECT_EQ(fontAt(0), "DejaVu Sans");  // following changed nothing
}

TEST_F(PaletteTest, EachSizeControlAppliesItsSizeToTheSavedSelection) {
    startWithRecipe("Flour and sugar");
    openPalette();
    userSelects(6, 3);
    palette->SizeList->ListIndex = 13;
    EXPECT_EQ(sizeAt(6), 72);
    EXPECT_EQ(palette->fontSize->Text(), "72");
    EXPECT_EQ(palette->FontSizeSlider->Value(), 72);

    palette->FontSizeSlider->Value = 15;
    EXPECT_EQ(sizeAt(6), 15);  // not the 0 the list's lost row would ask for
    EXPECT_EQ(palette->SizeList->ListIndex(), -1);
    EXPECT_EQ(palette->fontSize->Text(), "15");
    EXPECT_EQ(sizeAt(0), sizeAt(10));  // outside the selection nothing moved
    EXPECT_EQ(text().SelStart(), 6);
    EXPECT_EQ(text().SelLength(), 3);
}

TEST_F(PaletteTest, TypingASizeAppliesEachKeystroke) {
    startWithRecipe("Flour and sugar");
    openPalette();
    userSelects(0, 5);
    ui.key(*palette->fontSize, "1");
    EXPECT_EQ(sizeAt(0), 1);
    ui.key(*palette->fontSize, "4");
    EXPECT_EQ(palette->fontSize->Text(), "14");
    EXPECT_EQ(sizeAt(0), 14);
    EXPECT_EQ(palette->SizeList->ListIndex(), 5);
    EXPECT_EQ(palette->FontSizeSlider->Value(), 14);
}

TEST_F(PaletteTest, LettersInTheSizeFieldGiveTheDefaultSizeAndKeepTheSelection) {
    startWithRecipe("Flour and sugar");
    openPalette();
    giveSizes(0, 15, 30);
    userSelects(6, 3);
    ui.setFocus(*palette->fontSize);
    ui.key(*palette->fontSize, "x");
    EXPECT_EQ(palette->fontSize->Text(), "0") << "the field shows the size it applied";
    EXPECT_EQ(palette->fontSize->SelStart(), 1);
    EXPECT_EQ(palette->FontSizeSlider->Value(), 30);  // 0 is off the slider
    EXPECT_NE(sizeAt(6), 30);
    EXPECT_EQ(sizeAt(5), 30);
    EXPECT_EQ(main().recipeTextSelStart, 6);
    EXPECT_EQ(main().recipeTextSelLength, 3);
    ui.key(*palette->fontSize, "\x08");
    ui.key(*palette->fontSize, "2");
    EXPECT_EQ(sizeAt(6), 2);
    ui.type(*palette->fontSize, "4\x1C" "2");  // Left, then a digit: the caret goes to the end
    EXPECT_EQ(palette->fontSize->Text(), "224");
    EXPECT_EQ(palette->fontSize->SelStart(), 3);
}

TEST_F(PaletteTest, AFamilyChoiceStylesOnlyTheSavedSelectionAndKeepsTheSizeShown) {
    startWithRecipe("Flour and sugar");
    text().StyledText.RTFData = std::string("{\\rtf1\\ansi Flour and sugar}");  // no size of its own
    openPalette();
    userSelects(10, 5);
    ASSERT_EQ(palette->fontSize->Text(), "13");  // the system font's default
    palette->FontList->ListIndex = 1;
    EXPECT_EQ(fontAt(10), "DejaVu Sans Mono");
    EXPECT_NE(fontAt(0), "DejaVu Sans Mono");
    EXPECT_EQ(sizeAt(10), 13);
    EXPECT_NE(std::string(text().StyledText.RTFData).find("\\fs26 sugar"), std::string::npos);
}

TEST_F(PaletteTest, WithNoSavedSelectionTheTextIsUntouched) {
    startWithRecipe("Flour and sugar");
    openPalette();
    userSelects(3, 0);
    const std::string before = text().StyledText.RTFData;
    palette->SizeList->ListIndex = 0;
    palette->FontSizeSlider->Value = 40;
    palette->FontList->ListIndex = 2;
    EXPECT_EQ(std::string(text().StyledText.RTFData), before);
    EXPECT_EQ(palette->fontSize->Text(), "40");
}

TEST_F(PaletteTest, ShowingAnotherRecipeLeavesThePaletteNothingToStyle) {
    makeDataFolder();
    const std::string bread = "Knead the dough well";
    ASSERT_NO_FATAL_FAILURE(buildCurrentDatabase(
        databasePath(), {{"Bread", bread, "{\\rtf1\\ansi " + bread + "}"}, {"Cake", "Flour and sugar", std::nullopt}}));
    ASSERT_NO_FATAL_FAILURE(showMainWindow());
    openPalette();
    ui.clickCell(*main().recipeList, 1, 0);
    userSelects(10, 5);  // "sugar" in the cake
    ui.clickCell(*main().recipeList, 0, 0);
    ASSERT_EQ(main().recipeName->Text(), "Bread");
    const std::string shown = text().StyledText.RTFData;
    palette->SizeList->ListIndex = 12;
    palette->FontList->ListIndex = 1;
    EXPECT_EQ(std::string(text().StyledText.RTFData), shown);
    EXPECT_EQ(main().recipeTextSelLength, 0);
}

TEST_F(PaletteTest, SizeControlsUpdateEachOtherWithoutRecursing) {
    startWithRecipe("Flour and sugar");
    openPalette();
    userSelects(0, 5);
    // The handlers stay bound until the palette goes, after this test's
    // locals and fixture: they hold what they use.
    auto depth = std::make_shared<int>(0), deepest = std::make_shared<int>(0);
    auto counted = [depth, deepest, window = palette](void (FontPaletteWindow::*handler)()) {
        return [depth, deepest, window, handler] {
            *deepest = std::max(*deepest, ++*depth);
            (window->*handler)();
            --*depth;
        };
    };
    palette->SizeList->Change = counted(&FontPaletteWindow::SizeList_Change);
    palette->fontSize->TextChange = counted(&FontPaletteWindow::fontSize_TextChange);
    palette->FontSizeSlider->ValueChanged = counted(&FontPaletteWindow::FontSizeSlider_ValueChanged);
    palette->SizeList->ListIndex = 13;
    palette->FontSizeSlider->Value = 20;
    palette->fontSize->Text = std::string("48");
    EXPECT_LE(*deepest, 2);  // a control moved by another returns at once
    EXPECT_EQ(sizeAt(0), 48);
    EXPECT_EQ(palette->SizeList->ListIndex(), 12);
    EXPECT_EQ(palette->FontSizeSlider->Value(), 48);
}

}  // namespace

// A click into the size field selects what it shows, so the size typed next
// replaces it ("36", not "2436").
TEST_F(PaletteTest, AClickIntoTheSizeFieldSelectsItsTextForTheNextSize) {
    startWithRecipe("Flour and sugar");
    openPalette();
    userSelects(0, 5);
    palette->Show();
    ui.settle();
    ui.click(*palette->SizeList, 10, 5 + 16 * 8);  // a row of the size list first
    const std::string shown = palette->fontSize->Text();
    ASSERT_FALSE(shown.empty());
    ui.click(*palette->fontSize, 40, 10);  // near the end of the text
    EXPECT_EQ(palette->Focus(), palette->fontSize);
    EXPECT_EQ(palette->fontSize->SelLength.get(), static_cast<int32_t>(shown.size()));
    ui.type(*palette->fontSize, "36");
    EXPECT_EQ(palette->fontSize->Text(), "36");
    EXPECT_EQ(sizeAt(0), 36);
}
