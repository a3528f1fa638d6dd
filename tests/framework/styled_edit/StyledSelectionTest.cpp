// The Sel* styles: what a mixed selection reports, what setting changes, the
// default size, alignment with and without a selection, and that no style
// change raises TextChange or SelChange.
#include <QTextBlock>
#include <QTextDocument>

#include "tests/framework/styled_edit/StyledFieldSupport.h"

namespace {

// "Bold" bold 24 red in Times, " plain" plain 12 in Helvetica, then two
// more paragraphs.
const char* kMixed =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}{\\f1 Helvetica;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}"
    "\\pard\\f0\\fs48\\b\\i\\ul\\outl\\shad\\cf1 Bold\\f1\\fs24\\b0\\i0\\ulnone\\outl0\\shad0\\cf2  plain\\par "
    "second\\par third}";

}  // namespace

TEST_F(StyledFieldTest, MixedSelectionReportsItsFirstCharacter) {
    load(kMixed);
    select(2, 6);  // "ld pla"
    EXPECT_TRUE(field->SelBold());
    EXPECT_TRUE(field->SelItalic());
    EXPECT_TRUE(field->SelUnderline());
    EXPECT_TRUE(field->SelOutline());
    EXPECT_TRUE(field->SelShadow());
    EXPECT_EQ(field->SelTextSize(), 24);
    EXPECT_EQ(field->SelTextColor(), 0xFF0000u);
    EXPECT_EQ(field->SelTextFont(), "Times");

    select(4, 3);  // " pl"
    EXPECT_FALSE(field->SelBold());
    EXPECT_FALSE(field->SelOutline());
    EXPECT_FALSE(field->SelShadow());
    EXPECT_EQ(field->SelTextSize(), 12);
    EXPECT_EQ(field->SelTextFont(), "Helvetica");
}

TEST_F(StyledFieldTest, SettingAStyleChangesOnlyThatAttributeOfTheSelection) {
    load(kMixed);
    const StyledText before = value();
    select(2, 6);
    field->SelBold = false;
    field->SelTextColor = 0x00FF00;
    field->SelShadow = true;
    const StyledText after = value();
    for (size_t i = 0; i < after.Length(); ++i) {
        TextStyle expected = before.StyleAt(i);
        if (i >= 2 && i < 8) {
            expected.Bold = false;
            expected.TextColor = 0x00FF00;
            expected.Shadow = true;
        }
        ASSERT_EQ(after.StyleAt(i), expected) << "character " << i;
    }
    EXPECT_TRUE(textChanges.empty()) << "a style change is no text change";
    EXPECT_EQ(selChanges, 0);
    EXPECT_EQ(field->SelStart(), 2);
    EXPECT_EQ(field->SelLength(), 6);
}

TEST_F(StyledFieldTest, SizeZeroOrBelowIsTheDefaultSize) {
    load(kMixed);
    select(0, 4);
    field->SelTextSize = 30;
    EXPECT_EQ(field->SelTextSize(), 30);
    field->SelTextSize = 0;
    EXPECT_EQ(value().Size(0, 4), 0) << "stored as the default";
    EXPECT_EQ(field->SelTextSize(), 12) << "shown at the named font's default";
    field->SelTextSize = -5;
    EXPECT_EQ(value().Size(0, 4), 0);
    field->SelTextSize = std::nan("");
    EXPECT_EQ(value().Size(0, 4), 0);
    EXPECT_EQ(field->StyledText.RTFData.get().find("\\fs0"), std::string::npos);
    // The palette's "one size bigger" builds on what is reported.
    field->SelTextSize = field->SelTextSize() + 1;
    EXPECT_EQ(value().Size(0, 4), 13);
}

TEST_F(StyledFieldTest, AlignmentWithoutSelectionAlignsTheCaretParagraph) {
    load(kMixed);
    field->SelStart = 13;  // inside "second"
    field->SelAlignment = 2;
    EXPECT_EQ(field->SelAlignment(), 2);
    const StyledText v = value();
    EXPECT_EQ(v.Alignment(0), TextAlignment::Default);
    EXPECT_EQ(v.Alignment(1), TextAlignment::Center);
    EXPECT_EQ(v.Alignment(2), TextAlignment::Default);
    EXPECT_EQ(editor().document()->findBlock(13).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    select(3, 12);  // from the first paragraph into the second
    field->SelAlignment = 3;
    EXPECT_EQ(value().Alignment(0), TextAlignment::Right);
    EXPECT_EQ(value().Alignment(1), TextAlignment::Right);
    EXPECT_EQ(value().Alignment(2), TextAlignment::Default);

    field->SelAlignment = 1;
    EXPECT_EQ(value().Alignment(0), TextAlignment::Left) << "left is kept apart from the default";
    field->SelAlignment = 7;
    EXPECT_EQ(value().Alignment(0), TextAlignment::Left) << "no such code: nothing changes";
    EXPECT_TRUE(textChanges.empty());
    EXPECT_EQ(selChanges, 0);
}

TEST_F(StyledFieldTest, AStyleSetWithNoSelectionIsTheStyleOfTheNextTyping) {
    load(kMixed);
    field->SelStart = 7;  // after "Bold pl"
    field->SelBold = true;
    field->SelTextSize = 20;
    EXPECT_TRUE(field->SelBold());
    EXPECT_EQ(value(), rtfValue(kMixed)) << "nothing typed yet, nothing changed";
    typeText(&editor(), "X");
    const StyledText v = value();
    EXPECT_EQ(v.Text().substr(0, 11), "Bold plXain");
    EXPECT_TRUE(v.Bold(7, 1));
    EXPECT_EQ(v.Size(7, 1), 20);
    EXPECT_FALSE(v.Bold(8, 1));
    EXPECT_EQ(textChanges.size(), 1u) << "only the typing";
}

TEST_F(StyledFieldTest, FieldsThatAreNotStyledIgnoreSelectionStyles) {
    auto* plain = window.add<EditField>("recipeName");
    plain->MultiLine = true;
    plain->Text = "Soup";
    plain->SelStart = 0;
    plain->SelLength = 4;
    plain->SelBold = true;
    plain->SelAlignment = 2;
    EXPECT_FALSE(plain->SelBold());
    const StyledText v = plain->StyledText;
    EXPECT_FALSE(v.Bold(0, 4));
}

TEST_F(StyledFieldTest, TypedParagraphsAndLineBreaksKeepTheParagraphsAlignment) {
    load("{\\rtf1\\ansi\\pard\\qr\\b Title}");
    field->SelStart = 5;
    sendKey(&editor(), Qt::Key_Return, "\r");
    typeText(&editor(), "a");
    sendKey(&editor(), Qt::Key_Return, "\r", Qt::ShiftModifier);  // a line break inside the paragraph
    typeText(&editor(), "b");
    EXPECT_EQ(field->Text(), "Title\ra\rb");
    const StyledText v = value();
    ASSERT_EQ(v.ParagraphCount(), 3u);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(v.Alignment(i), TextAlignment::Right) << i;
    EXPECT_TRUE(v.Bold(7, 1)) << "typing goes on in the style before the caret";
    // The line break is a paragraph break from here on.
    const std::string rtf = field->StyledText.RTFData;
    field->StyledText.RTFData = rtf;
    EXPECT_EQ(field->StyledText.RTFData.get(), rtf);
    EXPECT_EQ(value().ParagraphCount(), 3u);
}

// TextChange ignores styles, so an owner that must store styled text counts
// changes instead: every text or style change counts, a selection does not.
TEST_F(StyledFieldTest, TheChangeCountGrowsWithStylesAndTextButNotWithTheSelection) {
    load(kMixed);
    uint64_t count = field->ChangeCount();
    select(0, 4);
    EXPECT_EQ(field->ChangeCount(), count) << "selecting";
    field->SelTextSize = 36;
    EXPECT_GT(field->ChangeCount(), count) << "a size";
    count = field->ChangeCount();
    field->SelAlignment = 2;
    EXPECT_GT(field->ChangeCount(), count) << "an alignment";
    count = field->ChangeCount();
    field->Text = std::string("new");
    EXPECT_GT(field->ChangeCount(), count) << "the text";
}

// The user's Undo and Redo change the text or its styles like any edit: the
// owner that stored the styled text must see them to store them again.
TEST_F(StyledFieldTest, UndoAndRedoOfAStyleOrTypingCountAsChanges) {
    load(kMixed);
    select(5, 5);  // "plain"
    field->SelItalic = true;
    FieldTextEdit& edit = *field->textEdit();
    uint64_t count = field->ChangeCount();
    edit.undo();
    EXPECT_FALSE(value().StyleAt(5).Italic);
    EXPECT_GT(field->ChangeCount(), count) << "undoing a style";
    count = field->ChangeCount();
    edit.redo();
    EXPECT_TRUE(value().StyleAt(5).Italic);
    EXPECT_GT(field->ChangeCount(), count) << "redoing a style";
    select(0, 0);
    edit.insertPlainText("x");
    count = field->ChangeCount();
    edit.undo();
    EXPECT_GT(field->ChangeCount(), count) << "undoing typing";
}
