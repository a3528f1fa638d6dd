#include "FileTestSupport.h"

#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(BinaryStream, WritesBigEndianByDefaultAndLittleEndianOnRequest) {
    TempFolder folder;
    FolderItem file(folder / "numbers");
    auto out = file.CreateBinaryFile();
    ASSERT_NE(out, nullptr);
    out->Write("BPrefs");
    out->WriteInt16(256);
    out->WriteUInt8(128);
    out->WriteInt32(-2);
    out->LittleEndian = true;
    out->WriteInt16(0x0102);
    out->WriteDouble(1.5);
    out->LittleEndian = false;
    out->WriteDouble(1.5);
    out->WritePString("pasta");
    out->WriteInt64(0x0102030405060708);
    EXPECT_EQ(out->Position(), 6 + 2 + 1 + 4 + 2 + 8 + 8 + 6 + 8);
    ASSERT_TRUE(out->Close());

    const std::string bytes = readBytes(file.path());
    EXPECT_EQ(bytes.substr(0, 13), std::string("BPrefs\x01\x00\x80\xFF\xFF\xFF\xFE", 13));
    EXPECT_EQ(bytes.substr(13, 2), "\x02\x01");
    EXPECT_EQ(bytes.substr(15, 8), std::string("\0\0\0\0\0\0\xF8\x3F", 8));
    EXPECT_EQ(bytes.substr(23, 8), std::string("\x3F\xF8\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(31, 6), "\x05pasta");

    auto in = file.OpenAsBinaryFile(false);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->Read(6), "BPrefs");
    EXPECT_EQ(in->ReadInt16(), 256);
    EXPECT_EQ(in->ReadUInt8(), 128);
    in->setPosition(8);
    EXPECT_EQ(in->ReadByte(), -128);
    EXPECT_EQ(in->ReadInt32(), -2);
    in->LittleEndian = true;
    EXPECT_EQ(in->ReadUInt16(), 0x0102);
    EXPECT_EQ(in->ReadDouble(), 1.5);
    in->LittleEndian = false;
    EXPECT_EQ(in->ReadDouble(), 1.5);
    EXPECT_EQ(in->ReadPString(), "pasta");
    EXPECT_EQ(in->ReadInt64(), 0x0102030405060708);
    EXPECT_TRUE(in->EndOfFile());
}

TEST(BinaryStream, ReadsPastTheEndGiveShortDataAndZeros) {
    TempFolder folder;
    writeBytes(folder / "short", std::string("\x12\x34\x56", 3));
    auto in = FolderItem(folder / "short").OpenAsBinaryFile();
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->Length(), 3);
    EXPECT_EQ(in->Read(1000), std::string("\x12\x34\x56", 3));
    EXPECT_TRUE(in->EndOfFile());
    EXPECT_EQ(in->Read(5), "");
    EXPECT_EQ(in->ReadInt32(), 0);

    in->setPosition(1);
    EXPECT_EQ(in->ReadInt32(), 0) << "a number that is not all there reads as 0";
    EXPECT_EQ(in->Position(), 3);
    in->setPosition(2);
    EXPECT_EQ(in->ReadPString(), "") << "a length byte promising more than there is";

    in->setPosition(-5);
    EXPECT_EQ(in->Position(), 0);
    in->setPosition(1LL << 40);
    EXPECT_EQ(in->Read(10), "");
    EXPECT_EQ(in->Read(-1), "");
    EXPECT_EQ(in->ReadDouble(), 0.0);
}

TEST(BinaryStream, WritesOnReadOnlyOrClosedStreamsChangeNothing) {
    TempFolder folder;
    writeBytes(folder / "f", "keep");
    FolderItem file(folder / "f");
    auto in = file.OpenAsBinaryFile(false);
    in->WriteInt32(7);
    EXPECT_TRUE(in->WriteError());
    in->Close();
    EXPECT_EQ(in->Read(4), "");
    EXPECT_EQ(readBytes(file.path()), "keep");

    auto rw = file.OpenAsBinaryFile(true);
    rw->setPosition(2);
    rw->Write("ep!");
    rw->setLength(4);
    EXPECT_TRUE(rw->Close());
    EXPECT_EQ(readBytes(file.path()), "keep");
    EXPECT_FALSE(rw->WriteError());

    EXPECT_EQ(FolderItem(folder / "missing").OpenAsBinaryFile(), nullptr);
    FolderItem dir(folder.path());
    EXPECT_EQ(dir.OpenAsBinaryFile(), nullptr);
    EXPECT_EQ(dir.LastErrorCode(), EISDIR);
    EXPECT_EQ(dir.CreateBinaryFile(), nullptr);

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    FolderItem pipe(folder / "pipe");
    EXPECT_EQ(pipe.OpenAsBinaryFile(), nullptr) << "a named pipe is refused, not waited on";
    EXPECT_EQ(pipe.OpenAsTextFile(), nullptr);
    EXPECT_EQ(pipe.LastErrorCode(), EINVAL);
}
