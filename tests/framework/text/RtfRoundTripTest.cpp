// Writer then reader gives back the same text and styles: the recipe window
// saves as RTF on every focus loss and loads from it again, so any drift
// would accumulate in the user's recipes.
#include <gtest/gtest.h>

#include "framework/text/StyledText.h"

namespace {

// A style that is the same after a trip through RTF: a named family and a
// size in whole half-points ("System" and size 0 are written resolved).
TextStyle concrete() {
    TextStyle s;
    s.Font = "Geneva";
    s.Size = 12;
    return s;
}

StyledText roundTrip(const StyledText& t) {
    StyledText back;
    EXPECT_TRUE(back.SetRTFData(t.RTFData()));
    return back;
}

void expectSame(const StyledText& a, const StyledText& b) {
    EXPECT_EQ(a.Text(), b.Text());
    ASSERT_EQ(a.RunCount(), b.RunCount()) << a.RTFData();
    for (size_t i = 0; i < a.RunCount(); ++i) {
        EXPECT_EQ(a.Run(i).Start, b.Run(i).Start) << "run " << i;
        EXPECT_TRUE(a.Run(i).Style == b.Run(i).Style) << "run " << i << " in " << a.RTFData();
    }
    ASSERT_EQ(a.ParagraphCount(), b.ParagraphCount());
    for (size_t i = 0; i < a.ParagraphCount(); ++i) EXPECT_EQ(a.Alignment(i), b.Alignment(i)) << "paragraph " << i;
    EXPECT_TRUE(a == b);
}

TEST(RtfRoundTrip, EveryAttributeOnItsOwnAndTogether) {
    const std::vector<std::function<void(TextStyle&)>> changes = {
        [](TextStyle& s) { s.Font = "Times New Roman"; },
        [](TextStyle& s) { s.Size = 30; },
        [](TextStyle& s) { s.Size = 10.5; },
        [](TextStyle& s) { s.Bold = true; },
        [](TextStyle& s) { s.Italic = true; },
        [](TextStyle& s) { s.Underline = true; },
        [](TextStyle& s) { s.Outline = true; },
        [](TextStyle& s) { s.Shadow = true; },
        [](TextStyle& s) { s.TextColor = 0x336699; },
        [](TextStyle& s) { s.TextColor = 0xFFFFFF; },
        [](TextStyle& s) { s = TextStyle{"Courier", 72, true, true, true, true, true, 0x00FF00}; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        StyledText t("plain styled plain", concrete());
        t.ChangeStyle(6, 6, changes[i]);
        expectSame(t, roundTrip(t));
        // The styled run at the very start and at the very end as well.
        StyledText edges("styled plain styled", concrete());
        edges.ChangeStyle(0, 6, changes[i]);
        edges.ChangeStyle(13, 6, changes[i]);
        expectSame(edges, roundTrip(edges));
    }
}

TEST(RtfRoundTrip, EveryAlignmentIncludingEmptyParagraphs) {
    StyledText t("default\rleft\rcentre\rright\r\r", concrete());
    t.SetAlignment(1, TextAlignment::Left);
    t.SetAlignment(2, TextAlignment::Center);
    t.SetAlignment(3, TextAlignment::Right);
    t.SetAlignment(4, TextAlignment::Center);
    t.SetAlignment(5, TextAlignment::Right);  // the empty last paragraph
    expectSame(t, roundTrip(t));
}

TEST(RtfRoundTrip, StyleOfAParagraphBreakSurvives) {
    StyledText t("one\rtwo", concrete());
    t.SetBold(3, 4, true);  // the CR and what follows it
    expectSame(t, roundTrip(t));
}

TEST(RtfRoundTrip, NonAsciiAndAstralCharacters) {
    StyledText t("Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e, \xC2\xBD cup at 350\xC2\xB0" "F \xE2\x9C\x93 \xF0\x9F\x8D\xB0"
                 " no\xC2\xA0" "break \xE2\x80\x94 \xE6\x97\xA5\xE6\x9C\xAC",
                 concrete());
    t.SetItalic(0, 5, true);
    expectSame(t, roundTrip(t));
}

TEST(RtfRoundTrip, CharactersThatNeedEscapes) {
    StyledText t("{braces} back\\slash \\par tab\there ;semicolons; \x01\x7F", concrete());
    expectSame(t, roundTrip(t));
}

TEST(RtfRoundTrip, LineEndsOfEveryKindBecomeParagraphs) {
    StyledText t("a\r\nb\nc\rd", concrete());
    StyledText back = roundTrip(t);
    EXPECT_EQ(back.Text(), "a\rb\rc\rd");
    EXPECT_EQ(back.ParagraphCount(), 4u);
}

TEST(RtfRoundTrip, EmptyTextKeepsItsStyle) {
    StyledText t("", concrete());
    t.SetBold(0, 0, true);
    StyledText back = roundTrip(t);
    EXPECT_EQ(back.Text(), "");
    EXPECT_TRUE(back.StyleAt(0) == t.StyleAt(0));
}

TEST(RtfRoundTrip, SystemFontComesBackResolvedAndThenStaysPut) {
    StyledText t("plain recipe\rsecond line");  // "System", size 0, black
    StyledText once = roundTrip(t);
    EXPECT_EQ(once.Text(), t.Text());
    EXPECT_EQ(once.Font(0, 1), textDefaults().Family);
    EXPECT_EQ(once.Size(0, 1), textDefaults().Size);
    EXPECT_EQ(once.RTFData(), t.RTFData());
    expectSame(once, roundTrip(once));
}

TEST(RtfRoundTrip, ManyRunsAndParagraphs) {
    StyledText t;
    for (int i = 0; i < 200; ++i) {
        StyleRun run;
        run.Text = "word" + std::to_string(i) + (i % 7 == 0 ? "\r" : " ");
        run.Style = concrete();
        run.Style.Bold = i % 2;
        run.Style.Size = 9 + i % 5;
        run.Style.TextColor = static_cast<uint32_t>(i * 0x010203);
        t.AppendStyleRun(run);
    }
    for (size_t p = 0; p < t.ParagraphCount(); ++p) t.SetAlignment(p, static_cast<TextAlignment>(p % 4));
    expectSame(t, roundTrip(t));
}

}  // namespace
