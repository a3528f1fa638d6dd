// The Format menu on the recipe text's selection: style toggles, sizes within
// 5 to 72, colour through the picker, alignment, plain text.
#include <gmock/gmock.h>

#include "framework/text/RtfReader.h"
#include "tests/support/MainWindowFixture.h"

namespace {

struct FormattingTest : MainWindowTest {
    EditField& text() { return *w().RecipeText; }
    // The user is in the recipe text with these characters selected.
    void select(int32_t start, int32_t length) {
        ui.setFocus(text());
        text().SelStart = start;
        text().SelLength = length;
    }
    TextStyle styleAt(size_t offset) { return StyledText(text().StyledText).StyleAt(offset); }
    void startWith(const std::string& plain) { start({recipe("Cake", "", 0, plain)}); }
};

TEST_F(FormattingTest, BoldItalicAndUnderlineTurnTheSelectionOverAndBack) {
    startWith("Flour and sugar");
    select(0, 5);
    ui.chooseMenu("StyleBold");
    ui.chooseMenu("StyleItalic");
    ui.chooseMenu("StyleUnderline");
    EXPECT_TRUE(styleAt(0).Bold && styleAt(4).Italic && styleAt(2).Underline);
    EXPECT_FALSE(styleAt(5).Bold || styleAt(5).Italic || styleAt(5).Underline);
    ui.chooseMenu("StyleBold");
    EXPECT_FALSE(styleAt(0).Bold);
    EXPECT_TRUE(styleAt(0).Italic);
    // The selection stays, so the next command works on the same words.
    EXPECT_EQ(text().SelStart(), 0);
    EXPECT_EQ(text().SelLength(), 5);
}

TEST_F(FormattingTest, AMixedSelectionTakesTheOppositeOfItsFirstCharacter) {
    startWith("Flour and sugar");
    select(6, 3);
    ui.chooseMenu("StyleBold");
    select(0, 15);
    ui.chooseMenu("StyleBold");
    for (size_t i = 0; i < 15; ++i) EXPECT_TRUE(styleAt(i).Bold) << i;
}

TEST_F(FormattingTest, WithoutASelectionStylesAndTheTypingStyleStayAsTheyAre) {
    startWith("Flour");
    select(2, 0);
    for (const char* item : {"StyleBold", "StyleItalic", "StyleUnderline", "SizeBigger", "SizeSmaller", "FontPlainText"})
        ui.chooseMenu(item);
    EXPECT_EQ(styleAt(0), styleAt(4));
    EXPECT_FALSE(text().SelBold());
    ui.type(text(), "x");
    EXPECT_EQ(std::string(text().Text), "Flxour");
    EXPECT_EQ(styleAt(2), styleAt(0));
}

TEST_F(FormattingTest, BiggerAndSmallerStepOnePointBetweenFiveAndSeventyTwo) {
    startWith("Flour");
    select(0, 5);
    text().SelTextSize = 71;
    ui.chooseMenu("SizeBigger");
    EXPECT_EQ(text().SelTextSize(), 72);
    ui.chooseMenu("SizeBigger");
    EXPECT_EQ(text().SelTextSize(), 72);
    text().SelTextSize = 6;
    ui.chooseMenu("SizeSmaller");
    EXPECT_EQ(text().SelTextSize(), 5);
    ui.chooseMenu("SizeSmaller");
    EXPECT_EQ(text().SelTextSize(), 5);
}

TEST_F(FormattingTest, BiggerStartsFromTheSizeTheUserSees) {
    startWith("Flour");
    select(0, 5);
    const double shown = text().SelTextSize;
    ui.chooseMenu("SizeBigger");
    EXPECT_EQ(text().SelTextSize(), shown + 1);
}

TEST_F(FormattingTest, TheChosenColourGoesOnTheSelectionKeptThroughThePicker) {
    startWith("Flour and sugar");
    select(6, 3);
    ui.dialogs().expectSelectColor(0x336699);
    ui.chooseMenu("FormatColor");
    EXPECT_EQ(styleAt(6).TextColor, 0x336699u);
    EXPECT_EQ(styleAt(5).TextColor, 0u);
    EXPECT_EQ(ui.dialogs().calls().back().text, "Choose a color for the text:");
    EXPECT_EQ(text().SelStart(), 6);
    EXPECT_EQ(text().SelLength(), 3);
}

TEST_F(FormattingTest, CancellingThePickerLeavesAMixedSelectionAsItWas) {
    startWith("Flour and sugar");
    select(0, 5);
    text().SelTextColor = Color(0xAA0000);
    select(0, 9);
    const StyledText before = text().StyledText;
    ui.dialogs().expectSelectColor(std::nullopt);
    ui.chooseMenu("FormatColor");
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(styleAt(i).TextColor, 0xAA0000u) << i;
    for (size_t i = 5; i < 15; ++i) EXPECT_EQ(styleAt(i).TextColor, 0u) << i;
    EXPECT_EQ(StyledText(text().StyledText).RTFData(), before.RTFData());
    EXPECT_EQ(text().SelStart(), 0);
    EXPECT_EQ(text().SelLength(), 9);
}

TEST_F(FormattingTest, ColourWithoutASelectionSaysSo) {
    startWith("Flour");
    select(1, 0);
    ui.dialogs().expectMsgBox("You have no text selected in the Recipe Text field.");
    ui.chooseMenu("FormatColor");
    EXPECT_EQ(styleAt(0).TextColor, 0u);
}

TEST_F(FormattingTest, AlignmentWithoutASelectionAlignsTheCaretsParagraph) {
    start({recipe("Cake", "", 0, std::string("Flour\rSugar\rEggs"), std::string("{\\rtf1\\ansi Flour\\par Sugar\\par Eggs}"))});
    ASSERT_EQ(std::string(text().Text), "Flour\rSugar\rEggs");
    select(8, 0);
    ui.chooseMenu("TextCenter");
    StyledText styled = text().StyledText;
    EXPECT_EQ(styled.GetParagraph(0).Alignment, TextAlignment::Default);
    EXPECT_EQ(styled.GetParagraph(1).Alignment, TextAlignment::Center);
    EXPECT_EQ(styled.GetParagraph(2).Alignment, TextAlignment::Default);
    select(0, 8);
    ui.chooseMenu("TextAlignRight");
    EXPECT_EQ(text().SelAlignment(), 3);
    ui.chooseMenu("TextAlignLeft");
    styled = text().StyledText;
    EXPECT_EQ(styled.GetParagraph(0).Alignment, TextAlignment::Left);
    EXPECT_EQ(styled.GetParagraph(1).Alignment, TextAlignment::Left);
    EXPECT_EQ(styled.GetParagraph(2).Alignment, TextAlignment::Default);
}

TEST_F(FormattingTest, PlainTextClearsEveryStyleAndTheColourButKeepsFontAndSize) {
    startWith("Flour");
    select(0, 5);
    text().SelTextFont = std::string("Courier");
    text().SelTextSize = 20;
    for (Property<bool>* flag : {&text().SelBold, &text().SelItalic, &text().SelUnderline, &text().SelOutline,
                                 &text().SelShadow})
        *flag = true;
    text().SelTextColor = Color(0x00AA00);
    ui.chooseMenu("FontPlainText");
    TextStyle plain;
    plain.Font = "Courier";
    plain.Size = 20;
    EXPECT_EQ(styleAt(0), plain);
}

TEST_F(FormattingTest, FormattingIsSavedWhenTheTextIsLeft) {
    startWith("Flour and sugar");
    select(0, 5);
    ui.chooseMenu("StyleBold");
    ui.setFocus(*w().recipeKeywords);
    std::optional<StyledText> stored = readRtf(value("select recipeRtfText from recipes"));
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->StyleAt(0).Bold);
    EXPECT_FALSE(stored->StyleAt(6).Bold);
    EXPECT_EQ(value("select recipeText from recipes"), "Flour and sugar");
}

}  // namespace
