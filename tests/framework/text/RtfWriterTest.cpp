// The RTF writer's exact form: other programs read it, and the database keeps
// it, so its bytes must not drift.
#include <gtest/gtest.h>

#include "framework/text/StyledText.h"

namespace {

TEST(RtfWriter, WritesASmallSampleExactly) {
    StyledText t("Soup\rHot {1/2} \\ cup\t\xC3\xA9");
    t.SetTextColor(2, 2, 0xFF0000);
    t.SetBold(5, 3, true);
    t.SetFont(9, 5, "Times");
    t.SetSize(9, 5, 13.5);
    t.SetAlignment(1, TextAlignment::Center);
    EXPECT_EQ(t.RTFData(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil Times;}}"
              "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n"
              "\\pard\\f0\\fs24\\cf1 So\\cf2 up\\cf1\\par\n"  // the CR has a style of its own
              "\\pard\\qc\\b Hot\\b0  \\f1\\fs27\\{1/2\\}\\f0\\fs24  \\\\ cup\\tab\\u233?}");
}

TEST(RtfWriter, EveryAttributeHasItsWordAndItsOffForm) {
    StyledText t("abc");
    TextStyle all;
    all.Font = "Courier";
    all.Size = 9;
    all.Bold = all.Italic = all.Underline = all.Outline = all.Shadow = true;
    all.TextColor = 0x0080FF;
    t.SetStyle(1, 1, all);
    t.SetAlignment(0, TextAlignment::Right);
    EXPECT_EQ(t.RTFData(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Helvetica;}{\\f1\\fnil Courier;}}"
              "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green128\\blue255;}\n"
              "\\pard\\qr\\f0\\fs24\\cf1 a\\f1\\fs18\\b\\i\\ul\\outl\\shad\\cf2 b"
              "\\f0\\fs24\\b0\\i0\\ulnone\\outl0\\shad0\\cf1 c}");
}

TEST(RtfWriter, EmptyTextStillNamesItsStyle) {
    StyledText t;
    t.SetFont(0, 0, "Courier");
    EXPECT_EQ(t.RTFData(),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil Courier;}}"
              "{\\colortbl;\\red0\\green0\\blue0;}\n\\pard\\f0\\fs24\\cf1}");
}

TEST(RtfWriter, NonAsciiIsSevenBitUnicodeEscapes) {
    // é, ½, °, ✓ (above 32767 is written negative), an emoji as a surrogate pair,
    // and a control character.
    StyledText t("\xC3\xA9\xC2\xBD\xC2\xB0" "F\xE2\x9C\x93\xEF\xBF\xBD\xF0\x9F\x98\x80\x01");
    const std::string rtf = t.RTFData();
    EXPECT_NE(rtf.find("\\u233?\\u189?\\u176?F\\u10003?\\u-3?\\u-10179?\\u-8704?\\u1?}"), std::string::npos) << rtf;
    for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
}

TEST(RtfWriter, SystemFontAndDefaultSizeAreWrittenResolved) {
    StyledText t("x");
    t.SetFont(0, 1, "SystemFont");
    EXPECT_EQ(t.RTFData().find("\\fs0"), std::string::npos);
    EXPECT_NE(t.RTFData().find("{\\f0\\fnil Helvetica;}"), std::string::npos);
    EXPECT_NE(t.RTFData().find("\\fs24"), std::string::npos);

    const TextDefaults saved = textDefaults();
    setTextDefaults({"Lucida Grande", 13});
    const std::string rtf = t.RTFData();
    setTextDefaults(saved);
    EXPECT_NE(rtf.find("{\\f0\\fnil Lucida Grande;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs26"), std::string::npos);
}

TEST(RtfWriter, FontNamesCannotBreakTheFontTable) {
    StyledText t("x");
    t.SetFont(0, 1, "Odd;{Name}\\\xC3\xA9");
    EXPECT_NE(t.RTFData().find("{\\f0\\fnil Odd\\{Name\\}\\\\\\u233?;}"), std::string::npos) << t.RTFData();
}

TEST(RtfWriter, AlignmentIsRepeatedOnlyWhereItChanges) {
    StyledText t("a\rb\rc\rd");
    t.SetAlignment(1, TextAlignment::Left);
    t.SetAlignment(2, TextAlignment::Left);
    const std::string rtf = t.RTFData();
    EXPECT_NE(rtf.find("\\pard\\f0\\fs24\\cf1 a\\par\n\\pard\\ql b\\par\nc\\par\n\\pard d}"), std::string::npos) << rtf;
}

}  // namespace
