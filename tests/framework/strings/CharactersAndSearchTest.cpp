#include <gtest/gtest.h>

#include "framework/text/Strings.h"

TEST(Characters, CountAndSliceByCodePoint) {
    const std::string s = "Crème brûlée 🍮";
    EXPECT_EQ(Len(s), 14);
    EXPECT_EQ(LenB(s), 20);
    EXPECT_EQ(Left(s, 3), "Crè");
    EXPECT_EQ(Right(s, 1), "🍮");
    EXPECT_EQ(Mid(s, 7, 6), "brûlée");
    EXPECT_EQ(Mid(s, 7), "brûlée 🍮");
    EXPECT_EQ(Mid(s, 0, 2), "Cr");   // start below 1 counts as 1
    EXPECT_EQ(Mid(s, 99), "");
    EXPECT_EQ(Left(s, -1), "");
    EXPECT_EQ(Right(s, 99), s);
    EXPECT_EQ(Asc("é"), 0xE9);
    EXPECT_EQ(Asc(""), 0);
    EXPECT_EQ(Chr(0x1F36E), "🍮");
    EXPECT_EQ(Chr(0xD800), "");
    EXPECT_EQ(Chr(13), "\r");
    // Malformed bytes count as one character each and are never split off badly.
    EXPECT_EQ(Len("a\xFFz"), 3);
    EXPECT_EQ(Mid("a\xFFz", 3, 1), "z");
}

TEST(Characters, BytesFunctionsCountBytes) {
    EXPECT_EQ(LeftB("é", 1), "\xC3");
    EXPECT_EQ(MidB("abcdef", 2, 3), "bcd");
    EXPECT_EQ(MidB("abc", 9, 1), "");
    EXPECT_EQ(RightB("abc", 2), "bc");
    EXPECT_EQ(AscB("é"), 0xC3);
    EXPECT_EQ(InStrB("aXbx", "x"), 4);
}

TEST(Characters, TrimAndCase) {
    EXPECT_EQ(Trim(" \t\r\n flour \xC2\xA0"), "flour");
    EXPECT_EQ(LTrim("  a b  "), "a b  ");
    EXPECT_EQ(RTrim("  a b  "), "  a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Lowercase("ÉCLAIR Mix"), "éclair mix");
    EXPECT_EQ(Uppercase("crème"), "CRÈME");
    EXPECT_EQ(Titlecase("apple PIE à la mode"), "Apple Pie À La Mode");
}

TEST(Search, InStrIsCaseBlindAndCountsCharacters) {
    EXPECT_EQ(InStr("{\\RTF1 hello", "\\rtf"), 2);
    EXPECT_EQ(InStr("Crème BRÛLÉE", "brûlée"), 7);
    EXPECT_EQ(InStr("abc", "d"), 0);
    EXPECT_EQ(InStr("abc", ""), 0);
    EXPECT_EQ(InStr(3, "abcabc", "A"), 4);
    EXPECT_EQ(InStr(4, "éaéa", "A"), 4);
    EXPECT_EQ(InStr(9, "abc", "a"), 0);
    EXPECT_TRUE(StrEq("RTF File", "rtf file"));
    EXPECT_TRUE(StrEq("ÄPFEL", "äpfel"));
    EXPECT_FALSE(StrEq("a", "ab"));
    EXPECT_EQ(StrComp("apple", "Banana"), -1);
    EXPECT_EQ(StrComp("b", "B", 0), 1);
}

TEST(Search, FieldsCountFromOneAndEmptyTextHasNone) {
    EXPECT_EQ(CountFields("", ","), 0);
    EXPECT_EQ(CountFields("a", ","), 1);
    EXPECT_EQ(CountFields("a,,b,", ","), 4);
    EXPECT_EQ(CountFields("oneANDtwoandthree", "and"), 3);
    EXPECT_EQ(NthField("a,,b,", ",", 3), "b");
    EXPECT_EQ(NthField("a,,b,", ",", 2), "");
    EXPECT_EQ(NthField("a,,b,", ",", 4), "");
    EXPECT_EQ(NthField("a,b", ",", 0), "");
    EXPECT_EQ(NthField("a,b", ",", 3), "");
    EXPECT_EQ(NthField("Salt - Pepper", " - ", 2), "Pepper");
    EXPECT_EQ(NthField("öXüxä", "x", 3), "ä");
    EXPECT_EQ(NthField("abc", "", 1), "abc");
}

TEST(Search, ReplaceIsCaseBlindAndInsertsTheReplacementAsGiven) {
    EXPECT_EQ(ReplaceAll("Cup cup CUP", "cup", "Mug"), "Mug Mug Mug");
    EXPECT_EQ(Replace("Cup cup", "CUP", "mug"), "mug cup");
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");  // no re-scan of inserted text
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("Crème CRÈME", "crème", "cream"), "cream cream");
    EXPECT_EQ(ReplaceAll("line\rline", "\r", "\n"), "line\nline");
    EXPECT_EQ(ReplaceAllB("Cup cup", "cup", "x"), "Cup x");
}
