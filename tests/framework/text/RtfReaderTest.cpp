// Reading RTF that other programs wrote: the old Mac platform's stored
// recipes, word processors' files and the macOS text editor's.
#include <gtest/gtest.h>

#include "framework/text/StyledText.h"

namespace {

StyledText read(const std::string& rtf) {
    StyledText t;
    EXPECT_TRUE(t.SetRTFData(rtf)) << rtf;
    return t;
}

TEST(RtfReader, OldMacRtfDecodesHexEscapesAsMacRoman) {
    // As the old platform stored recipes: \mac, Mac Roman bytes, Geneva 9.
    const StyledText t = read(
        "{\\rtf1\\mac\\ansicpg10000\\deff0{\\fonttbl{\\f0\\fnil Geneva;}{\\f1\\fswiss Helvetica;}}"
        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n"
        "\\pard\\f0\\fs18 Cr\\'8fme br\\'9el\\'8ee \\'a5 350\\'a1F\\par\n"
        "\\pard\\qc\\f1\\fs24\\b\\cf2 R\\'8esum\\'8e\\'d5s\\b0\\par}");
    EXPECT_EQ(t.Text(), "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9" "e \xE2\x80\xA2 350\xC2\xB0" "F\rR\xC3\xA9sum\xC3\xA9\xE2\x80\x99s\r");
    EXPECT_EQ(t.Font(0, 1), "Geneva");
    EXPECT_EQ(t.Size(0, 1), 9);
    EXPECT_EQ(t.Font(22, 1), "Helvetica");
    EXPECT_TRUE(t.Bold(22, 1));
    EXPECT_EQ(t.TextColor(22, 1), 0xFF0000u);
    EXPECT_EQ(t.Alignment(0), TextAlignment::Default);
    EXPECT_EQ(t.Alignment(1), TextAlignment::Center);
}

TEST(RtfReader, WindowsRtfDecodesHexEscapesAsCp1252) {
    const StyledText t = read(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
        "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \n"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Cr\\'e8me \\'bd \\'93quoted\\'94 \\'80\\par\n}");
    EXPECT_EQ(t.Text(), "Cr\xC3\xA8me \xC2\xBD \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x82\xAC\r");
    EXPECT_EQ(t.Font(0, 1), "Arial");
    EXPECT_EQ(t.Size(0, 1), 11);
}

TEST(RtfReader, FontCharsetChoosesTheCodePage) {
    const StyledText t = read("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset77 Geneva;}}"
                              "\\f0\\'e9\\f1\\'8e}");
    EXPECT_EQ(t.Text(), "\xC3\xA9\xC3\xA9");
}

TEST(RtfReader, TextEditRtfWithFlatFontTableAndUnicodeLineSeparator) {
    const StyledText t = read(
        "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2761\n\\cocoatextscaling0\\cocoaplatform0"
        "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil\\fcharset0 Menlo-Regular;}\n"
        "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue255;}\n"
        "{\\*\\expandedcolortbl;;\\csgenericrgb\\c0\\c0\\c100000;}\n"
        "\\paperw11900\\paperh16840\\margl1440\\margr1440\\vieww11520\\viewh8400\\viewkind0\n"
        "\\pard\\tx566\\tx1133\\pardirnatural\\partightenfactor0\n\n"
        "\\f0\\fs24 \\cf0 First line\\\nSecond\\uc0\\u8232 third \\u8212  \\u-10179 \\u-8704 \n"
        "\\f1\\b \\cf2 code\\\n"
        "\\pard\\qr\\b0 right}");
    EXPECT_EQ(t.Text(), "First line\rSecond\rthird \xE2\x80\x94 \xF0\x9F\x98\x80" "code\rright");
    EXPECT_EQ(t.Font(0, 1), "Helvetica");
    EXPECT_EQ(t.TextColor(0, 1), 0x000000u);  // \cf0 is the automatic colour
    EXPECT_EQ(t.Font(t.Length() - 10, 1), "Menlo-Regular");
    EXPECT_EQ(t.TextColor(t.Length() - 10, 1), 0x0000FFu);
    EXPECT_TRUE(t.Bold(t.Length() - 10, 1));
    EXPECT_EQ(t.Alignment(t.ParagraphCount() - 1), TextAlignment::Right);
}

TEST(RtfReader, EarlyCocoaRtfAsTheOldPlatformStoredIt) {
    // Mac Roman through both the document and the font's character set, and
    // "\ql\qnatural" for the natural (default) alignment.
    const StyledText t = read(
        "{\\rtf1\\mac\\ansicpg10000\\cocoartf102\n{\\fonttbl\\f0\\fswiss\\fcharset77 Helvetica;}\n"
        "{\\colortbl;\\red255\\green255\\blue255;}\n"
        "\\pard\\tx560\\tx1120\\ql\\qnatural\n\n\\f0\\fs24 \\cf0 Cr\\'8fme\\\n"
        "\\pard\\tx560\\qc 2 \\'bd cups}");
    EXPECT_EQ(t.Text(), "Cr\xC3\xA8me\r2 \xCE\xA9 cups");
    EXPECT_EQ(t.Alignment(0), TextAlignment::Default);
    EXPECT_EQ(t.Alignment(1), TextAlignment::Center);
    EXPECT_EQ(t.Font(0, 1), "Helvetica");
    EXPECT_EQ(t.Size(0, 1), 12);
}

TEST(RtfReader, UnicodeFallbackIsSkippedByTheCurrentUcCount) {
    // \uc1 (the default) skips one character, \uc2 two, \uc0 none; a
    // fallback \'hh counts as one; skipping stops at a group boundary.
    EXPECT_EQ(read("{\\rtf1 a\\u233?b}").Text(), "a\xC3\xA9" "b");
    EXPECT_EQ(read("{\\rtf1 \\uc2\\u233\\'65\\'65 x}").Text(), "\xC3\xA9 x");
    EXPECT_EQ(read("{\\rtf1 \\uc0\\u233 e}").Text(), "\xC3\xA9" "e");
    EXPECT_EQ(read("{\\rtf1 {\\uc3\\u233}xy}").Text(), "\xC3\xA9xy");
    EXPECT_EQ(read("{\\rtf1 {\\uc0 a}\\u233?b}").Text(), "a\xC3\xA9" "b");  // \uc is scoped to its group
    EXPECT_EQ(read("{\\rtf1 \\u-4064?}").Text(), "\xEF\x80\xA0");            // negative: above 32767
}

TEST(RtfReader, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(read("{\\rtf1 \\u-10179?x\\u-8704?}").Text(), "\xEF\xBF\xBDx\xEF\xBF\xBD");
    EXPECT_EQ(read("{\\rtf1 \\u-10179?}").Text(), "\xEF\xBF\xBD");
}

TEST(RtfReader, SymbolWordsAndControlSymbols) {
    EXPECT_EQ(read("{\\rtf1 a\\~b\\emdash c\\endash d\\bullet\\lquote\\rquote\\ldblquote\\rdblquote"
                   "\\-e\\_f\\{\\}\\\\\\tab g\\line h}")
                  .Text(),
              "a\xC2\xA0" "b\xE2\x80\x94" "c\xE2\x80\x93" "d\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D"
              "e\xE2\x80\x91" "f{}\\\tg\rh");
}

TEST(RtfReader, DestinationsWithoutBodyTextAreSkipped) {
    const StyledText t = read(
        "{\\rtf1\\ansi{\\info{\\title Secret}{\\author Someone}}"
        "{\\stylesheet{\\s0 Normal;}}{\\*\\listtable{\\list x}}"
        "Before {\\pict\\pngblip\\picw10 89504e47{}}after {\\object{\\objdata 0102}{\\result shown}}"
        "{\\*\\unknowndest hidden}{\r\n\\*\\other hidden}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}} end"
        "{\\header page header}}");
    EXPECT_EQ(t.Text(), "Before after link end");
}

TEST(RtfReader, PlainPardAndTheZeroForms) {
    const StyledText t = read(
        "{\\rtf1{\\fonttbl{\\f0 Geneva;}{\\f1 Times;}}{\\colortbl;\\red1\\green2\\blue3;}"
        "\\qc\\f1\\fs40\\b\\i\\ul\\outl\\shad\\cf1 A\\b0\\i0\\ul0\\outl0\\shad0 B\\ul\\uldb C\\ulnone D"
        "\\plain E\\par\\pard F}");
    ASSERT_EQ(t.Text(), "ABCDE\rF");
    TextStyle a = t.StyleAt(0);
    EXPECT_TRUE(a.Bold && a.Italic && a.Underline && a.Outline && a.Shadow);
    EXPECT_EQ(a.Font, "Times");
    EXPECT_EQ(a.Size, 20);
    EXPECT_EQ(a.TextColor, 0x010203u);
    TextStyle b = t.StyleAt(1);
    EXPECT_FALSE(b.Bold || b.Italic || b.Underline || b.Outline || b.Shadow);
    EXPECT_TRUE(t.Underline(2, 1));
    EXPECT_FALSE(t.Underline(3, 1));
    // \plain: the default font (\deff absent: the "System" default), size and colour.
    TextStyle e = t.StyleAt(4);
    EXPECT_TRUE(e == TextStyle{});
    EXPECT_EQ(t.Alignment(0), TextAlignment::Center);
    EXPECT_EQ(t.Alignment(1), TextAlignment::Default);
}

TEST(RtfReader, MissingOrZeroSizeMeansDefaultAndJustifiedReadsAsLeft) {
    const StyledText t = read("{\\rtf1\\deff1{\\fonttbl{\\f1 Geneva;}}\\qj a\\fs0 b\\fs24 c\\cf7 d}");
    EXPECT_EQ(t.Size(0, 1), 0);
    EXPECT_EQ(t.Font(0, 1), "Geneva");  // \deff names the font of text with no \f
    EXPECT_EQ(t.Size(1, 1), 0);
    EXPECT_EQ(t.Size(2, 1), 12);
    EXPECT_EQ(t.TextColor(3, 1), 0u);  // an index outside the table is black
    EXPECT_EQ(t.Alignment(0), TextAlignment::Left);
}

TEST(RtfReader, GroupsRestoreFormatting) {
    const StyledText t = read("{\\rtf1 a{\\b b{\\i c}d}e}");
    EXPECT_FALSE(t.Bold(0, 1));
    EXPECT_TRUE(t.Bold(1, 1));
    EXPECT_TRUE(t.Italic(2, 1));
    EXPECT_FALSE(t.Italic(3, 1));
    EXPECT_FALSE(t.Bold(4, 1));
}

TEST(RtfReader, SourceLineEndsAreNotTextAndTextAfterTheDocumentIsIgnored) {
    EXPECT_EQ(read("\r\n  {\\rtf1 one\r\ntwo\\par\nthree} trailing {junk}").Text(), "onetwo\rthree");
}

TEST(RtfReader, InputThatIsNotRtfIsRefusedAndChangesNothing) {
    StyledText t("keep me");
    t.SetBold(0, 4, true);
    const StyledText before = t;
    for (const std::string bad : {"plain text", "x{\\rtf1 a}", "{\\rt", "{ \\rtf1 a}", "\\rtf1", "{\\RTF1 a}"}) {
        EXPECT_FALSE(t.SetRTFData(bad)) << bad;
        EXPECT_TRUE(t == before) << bad;
    }
}

TEST(RtfReader, EmptyInputEmptiesTheText) {
    // A recipe whose RTF column was never written must not show the text of
    // the recipe shown before it.
    StyledText t("previous recipe");
    EXPECT_TRUE(t.SetRTFData(""));
    EXPECT_EQ(t.Text(), "");
}

}  // namespace
