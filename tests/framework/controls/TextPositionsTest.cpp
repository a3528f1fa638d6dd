// Conversions between the framework's text and Qt's editor text.
#include <gtest/gtest.h>

#include "framework/ui/controls/TextPositions.h"

TEST(TextPositions, ParagraphBreaksBecomeCrAndNoBreakSpacesSurvive) {
    QString raw = QString::fromUtf8("a\u00a0b") + QChar(0x2029) + "c" + QChar(0x2028) + "d" + QChar(0xFFFC);
    EXPECT_EQ(frameworkTextFromRaw(raw), "a\u00a0b\rc\rd");
    EXPECT_EQ(editorTextFromFramework("1\r2\n3\r\n4"), QString("1\n2\n3\n4"));
}

TEST(TextPositions, CharacterOffsetsCountCodePointsNotUtf16Units) {
    QString s = QString::fromUtf8("a\U0001F370b");  // a, shortcake (two UTF-16 units), b
    EXPECT_EQ(codePointsBefore(s, 3), 2);
    EXPECT_EQ(utf16PositionOf(s, 2), 3);
    EXPECT_EQ(utf16PositionOf(s, 99), s.size());
    EXPECT_EQ(codePointsBefore(s, -4), 0);
    EXPECT_EQ(characterCount("a\U0001F370\u00e9"), 3);
}
