// RTF into a styled field and back out: every attribute and alignment, the
// default font and size, and what loading does to the field's events.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/text/RtfWriter.h"
#include "tests/framework/styled_edit/StyledFieldSupport.h"

namespace {

// Every character attribute, each alignment, non-ASCII and astral text, a
// tab and a no-break space, an empty paragraph and a style change on a CR.
const char* kEveryAttribute =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil Times;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red200\\green16\\blue32;}\n"
    "\\pard\\qc\\f0\\fs36\\b\\cf1 Apple Pie\\par\n"
    "\\pard\\f1\\fs24\\b0 plain \\i italic\\i0  \\ul under\\ulnone  \\outl outline\\outl0  \\shad shadow\\shad0  "
    "\\cf2 red\\cf1\\par\n"
    "\\pard\\qr 350\\u176?F \\u189? cup\\tab\\u10003?\\~ok \\u-10179?\\u-8704?\\par\n"
    "\\par\n"
    "\\pard\\ql\\fs20 left\\b\\par\n"
    "bold after the break}";

}  // namespace

TEST_F(StyledFieldTest, EveryAttributeSurvivesRtfToFieldToRtf) {
    const StyledText expected = rtfValue(kEveryAttribute);
    load(kEveryAttribute);
    EXPECT_EQ(value(), expected);
    EXPECT_EQ(field->StyledText.RTFData.get(), writeRtf(expected));
    // Written, read into the field and written again: the same bytes.
    const std::string once = field->StyledText.RTFData;
    field->StyledText.RTFData = once;
    EXPECT_EQ(field->StyledText.RTFData.get(), once);

    EXPECT_EQ(field->Text(), "Apple Pie\rplain italic under outline shadow red\r350\u00B0F \u00BD cup\t\u2713\u00A0ok "
                             "\U0001F600\r\rleft\rbold after the break");
    EXPECT_EQ(value().ParagraphCount(), 6u);
}

TEST_F(StyledFieldTest, StylesShowInQtAsPixelSizesOutlinesAndColours) {
    load(kEveryAttribute);
    QTextDocument& doc = *editor().document();
    QTextBlock title = doc.begin();
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    EXPECT_EQ(titleFormat.font().pixelSize(), 18) << "\\fs36 is 18 points, shown as 18 pixels";
    EXPECT_TRUE(titleFormat.font().bold());

    QTextCursor c(&doc);
    c.setPosition(title.next().position() + std::string("plain italic under o").size());
    EXPECT_NE(c.charFormat().textOutline().style(), Qt::NoPen);
    c.setPosition(title.next().position() + std::string("plain italic under outline shadow r").size());
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(200, 16, 32));
}

TEST_F(StyledFieldTest, DefaultFontAndSizeStayDefaultThroughTheField) {
    StyledText small("note", TextStyle{"SmallSystem", 0});
    small.Append(StyledText(" body", TextStyle{"System", 0}));
    field->StyledText = small;
    EXPECT_EQ(value(), small) << "names and size 0 kept, not replaced by what Qt resolved";
    select(0, 1);
    EXPECT_EQ(field->SelTextFont(), "SmallSystem");
    EXPECT_EQ(field->SelTextSize(), 11) << "reported as shown";
    select(5, 1);
    EXPECT_EQ(field->SelTextSize(), 13);
    EXPECT_EQ(field->StyledText.RTFData.get().find("\\fs0"), std::string::npos);
}

TEST_F(StyledFieldTest, LoadingRaisesTextChangeOnceAndNoSelChange) {
    field->StyledText.RTFData = kEveryAttribute;
    ASSERT_EQ(textChanges.size(), 1u);
    EXPECT_EQ(textChanges[0], field->Text());
    field->StyledText.RTFData = kEveryAttribute;
    EXPECT_EQ(textChanges.size(), 1u) << "the same text again";
    // The same characters in other styles: no text change either.
    field->StyledText.RTFData = writeRtf(StyledText(field->Text(), TextStyle{"Times", 30, true}));
    EXPECT_EQ(textChanges.size(), 1u);
    EXPECT_EQ(selChanges, 0);
}

TEST_F(StyledFieldTest, InputThatIsNotRtfLeavesTheFieldAlone) {
    load(kEveryAttribute);
    const StyledText before = value();
    field->StyledText.RTFData = "Apple pie, plain text";
    field->StyledText.RTFData = "{\\rtx1 nearly}";
    EXPECT_EQ(value(), before);
    EXPECT_TRUE(textChanges.empty());
}

// The plain-text import sets the field's style, then reloads the new recipe
// from its empty RTF column, then puts the plain text in.
TEST_F(StyledFieldTest, FieldStyleSurvivesReloadFromAnEmptyRtfColumn) {
    load(kEveryAttribute);
    field->TextFont = "SystemFont";
    field->TextSize = 12;
    field->TextColor = 0x000000;
    field->StyledText.RTFData = "";
    EXPECT_EQ(field->Text(), "");
    field->Text = "Imported\rtext";
    const StyledText v = value();
    ASSERT_EQ(v.RunCount(), 1u);
    EXPECT_EQ(v.Run(0).Style, (TextStyle{"SystemFont", 12}));
    EXPECT_EQ(v.Alignment(0), TextAlignment::Default);

    // Typed into the emptied field, text takes the same style, whatever
    // typing style the old text had.
    field->SelStart = 3;
    field->SelBold = true;
    field->SelTextSize = 30;
    field->StyledText.RTFData = "";
    typeText(&editor(), "ab");
    EXPECT_EQ(value().StyleAt(0), (TextStyle{"SystemFont", 12}));
}

TEST_F(StyledFieldTest, PlainTextTakesTheFieldStyleNotTheCaretStyle) {
    field->TextFont = "Times";
    field->TextSize = 14;
    load(kEveryAttribute);
    select(0, 3);  // in the bold 18-point title
    field->Text = "flour\nsugar";
    const StyledText v = value();
    EXPECT_EQ(v.Text(), "flour\rsugar");
    ASSERT_EQ(v.RunCount(), 1u);
    EXPECT_EQ(v.Run(0).Style, (TextStyle{"Times", 14}));
    EXPECT_EQ(v.Alignment(0), TextAlignment::Default);
}

TEST_F(StyledFieldTest, WholeFieldTextSizeAppliesToAllTextAndKeepsTheRest) {
    load(kEveryAttribute);
    const StyledText before = value();
    select(2, 3);
    field->TextSize = 48;
    const StyledText after = value();
    ASSERT_EQ(after.Text(), before.Text());
    for (size_t i = 0; i < after.Length(); ++i) {
        TextStyle expected = before.StyleAt(i);
        expected.Size = 48;
        ASSERT_EQ(after.StyleAt(i), expected) << "character " << i;
    }
    EXPECT_EQ(field->SelStart(), 2);
    EXPECT_EQ(field->SelLength(), 3);
    EXPECT_TRUE(textChanges.empty());
    EXPECT_EQ(selChanges, 0);

    field->TextColor = 0x0000FF;
    EXPECT_EQ(value().TextColor(0, 1), 0x0000FFu);
    field->TextSize = 0;
    EXPECT_EQ(value().Size(0, 1), 0);
}

TEST_F(StyledFieldTest, AFieldThatIsNotStyledGivesAndTakesPlainText) {
    auto* plain = window.add<EditField>("recipeName");
    plain->MultiLine = true;
    plain->TextFont = "Times";
    plain->StyledText.RTFData = kEveryAttribute;
    EXPECT_EQ(plain->Text(), rtfValue(kEveryAttribute).Text());
    const StyledText v = plain->StyledText;
    EXPECT_EQ(v.RunCount(), 1u);
    EXPECT_EQ(v.Font(0, 1), "Times");
}
