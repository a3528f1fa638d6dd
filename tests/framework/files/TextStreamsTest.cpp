#include "FileTestSupport.h"

#include "framework/files/FolderItem.h"
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

    TextInputStream macRoman("Caf\x8E \xA5 \xF0", EncodingCode::MacRoman);
    EXPECT_EQ(macRoman.ReadAll(), "Caf\xC3\xA9 \xE2\x80\xA2 \xEF\xA3\xBF");
    EXPECT_EQ(macRoman.ReadAll(), "");

    TextInputStream lines("a\r\nb\nc\r");
    EXPECT_EQ(lines.ReadLine(), "a");
    EXPECT_EQ(lines.ReadLine(), "b");
    EXPECT_EQ(lines.ReadLine(), "c");
    EXPECT_TRUE(lines.EndOfFile());

    EXPECT_EQ(FolderItem(folder / "missing").OpenAsTextFile(), nullptr);
}
