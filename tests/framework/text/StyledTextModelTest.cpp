// The StyledText value: runs cover the text, style changes split and merge
// runs, alignments follow paragraphs.
#include <gtest/gtest.h>

#include "framework/runtime/RuntimeException.h"
#include "framework/text/StyledText.h"

namespace {

TextStyle bold() {
    TextStyle s;
    s.Bold = true;
    return s;
}

TEST(StyledTextModel, PlainTextKeepsCrAndNoBreakSpacesAndNormalisesLineEnds) {
    StyledText t("one\r\ntwo\nthree\rfour\xC2\xA0" "five");
    EXPECT_EQ(t.Text(), "one\rtwo\rthree\rfour\xC2\xA0" "five");
    EXPECT_EQ(t.ParagraphCount(), 4u);
    EXPECT_EQ(t.Length(), 23u);  // characters, not bytes
}

TEST(StyledTextModel, MalformedUtf8BecomesReplacementCharacters) {
    StyledText t(std::string("a\xFF" "b\xE2\x82", 5));
    EXPECT_EQ(t.Text(), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(StyledTextModel, StyleChangesSplitAndMergeRuns) {
    StyledText t("abcdef");
    EXPECT_EQ(t.RunCount(), 1u);
    t.SetBold(2, 2, true);
    ASSERT_EQ(t.RunCount(), 3u);
    EXPECT_EQ(t.Run(1).Start, 2u);
    EXPECT_EQ(t.Run(1).Length, 2u);
    EXPECT_EQ(t.Run(1).Text, "cd");
    EXPECT_TRUE(t.Run(1).Style.Bold);
    EXPECT_TRUE(t.Bold(3, 10));
    EXPECT_FALSE(t.Bold(4, 1));

    t.SetBold(0, 100, false);  // clamped to the text
    EXPECT_EQ(t.RunCount(), 1u);
    EXPECT_THROW(t.Run(1), OutOfBoundsException);
}

TEST(StyledTextModel, MixedRangeReportsItsFirstCharacter) {
    StyledText t("abcd");
    t.SetSize(1, 3, 18);
    t.SetTextColor(2, 2, 0xFF0000);
    EXPECT_EQ(t.Size(0, 4), 0);
    EXPECT_EQ(t.Size(1, 3), 18);
    EXPECT_EQ(t.TextColor(1, 3), 0x000000u);
    EXPECT_EQ(t.TextColor(3, 0), 0xFF0000u);
    EXPECT_EQ(t.TextColor(99, 0), 0xFF0000u);  // past the end: the last character's
}

TEST(StyledTextModel, NonPositiveSizeMeansDefault) {
    StyledText t("ab");
    t.SetSize(0, 2, -4);
    EXPECT_EQ(t.Size(0, 2), 0);
}

TEST(StyledTextModel, EmptyTextRemembersTheStyleNewTextTakes) {
    StyledText t;
    t.SetFont(0, 0, "Courier");
    t.SetSize(0, 0, 14);
    EXPECT_EQ(t.RunCount(), 0u);
    t.SetText("hello");
    ASSERT_EQ(t.RunCount(), 1u);
    EXPECT_EQ(t.Run(0).Style.Font, "Courier");
    EXPECT_EQ(t.Run(0).Style.Size, 14);
    t.SetText("");
    EXPECT_EQ(t.StyleAt(0).Font, "Courier");
}

TEST(StyledTextModel, SetTextTakesTheFirstCharactersStyleAndDefaultAlignment) {
    StyledText t("ab\rcd");
    t.SetBold(0, 1, true);
    t.SetAlignment(1, TextAlignment::Right);
    t.SetText("x\ry");
    EXPECT_EQ(t.RunCount(), 1u);
    EXPECT_TRUE(t.Bold(1, 1));
    EXPECT_EQ(t.Alignment(1), TextAlignment::Default);
}

TEST(StyledTextModel, ParagraphsAndAlignmentOverRanges) {
    StyledText t("one\rtwo\r\rfour");
    ASSERT_EQ(t.ParagraphCount(), 4u);
    Paragraph p = t.GetParagraph(1);
    EXPECT_EQ(p.StartPos, 4u);
    EXPECT_EQ(p.Length, 3u);
    EXPECT_EQ(t.GetParagraph(2).Length, 0u);
    EXPECT_EQ(t.GetParagraph(3).Length, 4u);
    EXPECT_EQ(t.ParagraphIndex(3), 0u);  // the CR belongs to the paragraph it ends
    EXPECT_EQ(t.ParagraphIndex(4), 1u);
    EXPECT_EQ(t.ParagraphIndex(1000), 3u);
    EXPECT_THROW(t.GetParagraph(4), OutOfBoundsException);

    t.SetAlignment(5, 4, TextAlignment::Center);  // "wo\r\r" touches paragraphs 1 and 2
    EXPECT_EQ(t.Alignment(0), TextAlignment::Default);
    EXPECT_EQ(t.Alignment(1), TextAlignment::Center);
    EXPECT_EQ(t.Alignment(2), TextAlignment::Center);
    EXPECT_EQ(t.Alignment(3), TextAlignment::Default);
    t.SetAlignment(10, 0, TextAlignment::Right);  // caret in the last paragraph
    EXPECT_EQ(t.Alignment(3), TextAlignment::Right);
}

TEST(StyledTextModel, AppendJoinsRunsAndParagraphs) {
    StyledText a("Soup\r");
    a.SetAlignment(1, TextAlignment::Default);
    StyledText b("Hot\rCold", bold());
    b.SetAlignment(0, TextAlignment::Center);
    b.SetAlignment(1, TextAlignment::Right);
    a.Append(b);
    EXPECT_EQ(a.Text(), "Soup\rHot\rCold");
    ASSERT_EQ(a.RunCount(), 2u);
    EXPECT_EQ(a.Run(1).Start, 5u);
    // The empty last paragraph took the appended text's first alignment.
    EXPECT_EQ(a.Alignment(1), TextAlignment::Center);
    EXPECT_EQ(a.Alignment(2), TextAlignment::Right);

    StyledText c("x");
    c.SetAlignment(0, TextAlignment::Left);
    c.Append(b);  // continues a paragraph that has text: keeps its alignment
    EXPECT_EQ(c.Alignment(0), TextAlignment::Left);

    StyleRun run;
    run.Text = "!";
    run.Style = bold();
    c.AppendStyleRun(run);
    EXPECT_EQ(c.Run(c.RunCount() - 1).Text, "Hot\rCold!");  // equal styles merge
}

TEST(StyledTextModel, SubTextKeepsStylesAndAlignments) {
    StyledText t("ab\rcd\ref");
    t.SetItalic(1, 3, true);
    t.SetAlignment(1, TextAlignment::Right);
    StyledText sub = t.SubText(1, 4);  // "b\rcd"
    EXPECT_EQ(sub.Text(), "b\rcd");
    ASSERT_EQ(sub.RunCount(), 2u);
    EXPECT_TRUE(sub.Italic(0, 1));
    EXPECT_FALSE(sub.Italic(3, 1));
    EXPECT_EQ(sub.Alignment(1), TextAlignment::Right);
    EXPECT_EQ(sub.ParagraphCount(), 2u);
}

}  // namespace
