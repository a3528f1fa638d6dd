#include "FileTestSupport.h"

#include "framework/files/FolderItem.h"
#include "framework/files/TextDecoding.h"
#include "framework/files/TextInputStream.h"
#include "framework/files/TextOutputStream.h"

#include <gtest/gtest.h>

TEST(TextOutputStream, EndsLinesWithCarriageReturnsAndWritesTextUnchanged) {
    TempFolder folder;
    FolderItem file(folder / "RecipeExport-2009-03-07.txt");
    auto out = file.CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("Pasta\tquick\tBoil\nDrain");
    out->Write("cr\xC3\xA8me");
    out->WriteLine("");
    out->WriteLine("");
    ASSERT_TRUE(out->Close());
    EXPECT_EQ(readBytes(file.path()), "Pasta\tquick\tBoil\nDrain\rcr\xC3\xA8me\r\r");

    auto in = file.OpenAsTextFile();
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->ReadLine(), "Pasta\tquick\tBoil");
    EXPECT_EQ(in->ReadLine(), "Drain");
    EXPECT_EQ(in->ReadLine(), "cr\xC3\xA8me");
    EXPECT_EQ(in->ReadLine(), "");
    EXPECT_TRUE(in->EndOfFile());
}

TEST(TextInputStream, ReadsUtf8AsItIsAndOtherBytesWithTheFallback) {
    TempFolder folder;
    writeBytes(folder / "utf8.txt", "\xEF\xBB\xBFSo\xC3\xBBp");
    auto utf8 = FolderItem(folder / "utf8.txt").OpenAsTextFile();
    EXPECT_EQ(utf8->ReadAll(), "So\xC3\xBBp") << "the byte-order mark is dropped";
    EXPECT_TRUE(utf8->WasUtf8());

    // 0x8E is e-acute in Mac Roman and Z-caron in Windows-1252.
    writeBytes(folder / "old.txt", "Caf\x8E\r\x93quoted\x94");
    auto plain = FolderItem(folder / "old.txt").OpenAsTextFile();
    EXPECT_FALSE(plain->WasUtf8());
    EXPECT_EQ(plain->ReadLine(), "Caf\xC5\xBD");
    EXPECT_EQ(plain->ReadAll(), "\xE2\x80\x9Cquoted\xE2\x80\x9D");

    TextInputStream macRoman("Caf\x8E \xA5 \xF0", LegacyEncoding::MacRoman);
    EXPECT_EQ(macRoman.ReadAll(), "Caf\xC3\xA9 \xE2\x80\xA2 \xEF\xA3\xBF");
    EXPECT_EQ(macRoman.ReadAll(), "");

    TextInputStream lines("a\r\nb\nc\r");
    EXPECT_EQ(lines.ReadLine(), "a");
    EXPECT_EQ(lines.ReadLine(), "b");
    EXPECT_EQ(lines.ReadLine(), "c");
    EXPECT_TRUE(lines.EndOfFile());

    EXPECT_EQ(FolderItem(folder / "missing").OpenAsTextFile(), nullptr);
}

TEST(TextDecoding, RejectsMalformedUtf8SoTheFallbackApplies) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("plain \xE2\x82\xAC \xF0\x9F\x8D\x9D"));
    for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3",
                                  "\xE2\x82", "\x80", "\xFF", "a\xC3(b"})
        EXPECT_FALSE(isValidUtf8(bad)) << testing::PrintToString(bad);
    EXPECT_EQ(decodeWindows1252("\x80\x81\x9F\xA0\xFF"), "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF");
    EXPECT_EQ(encodeMacRoman("caf\xC3\xA9 \xE2\x84\xA2 \xE2\x98\x83"), "caf\x8E \xAA ?");
    EXPECT_EQ(decodeMacRoman(encodeMacRoman("\xE2\x80\xA0\xC3\x84\xCB\x87")), "\xE2\x80\xA0\xC3\x84\xCB\x87");
}
