#include <gtest/gtest.h>

#include "framework/data/MemoryBlock.h"
#include "framework/runtime/RuntimeException.h"

TEST(MemoryBlock, MultiByteValuesFollowTheByteOrderFlag) {
    MemoryBlock block(8);
    block.LittleEndian = false;
    block.SetInt32Value(0, 0x01020304);
    EXPECT_EQ(block.Byte(0), 0x01);
    EXPECT_EQ(block.Byte(3), 0x04);
    block.LittleEndian = true;
    EXPECT_EQ(block.Int32Value(0), 0x04030201);
    block.SetInt16Value(4, -2);
    EXPECT_EQ(block.Byte(4), 0xFE);
    EXPECT_EQ(block.Byte(5), 0xFF);
    EXPECT_EQ(block.UInt16Value(4), 0xFFFE);

    block.LittleEndian = false;
    block.SetDoubleValue(0, 176.7);
    EXPECT_EQ(block.Byte(0), 0x40);  // sign and exponent come first in big-endian
    EXPECT_DOUBLE_EQ(block.DoubleValue(0), 176.7);
}

TEST(MemoryBlock, ColoursAreRedGreenBlueInTwentyFourBits) {
    MemoryBlock block(4);
    block.LittleEndian = true;  // 24-bit colours ignore the flag
    block.SetColorValue(1, 0x336699, 24);
    EXPECT_EQ(block.ToString(), std::string("\x00\x33\x66\x99", 4));
    EXPECT_EQ(block.ColorValue(1, 24), 0x336699u);
    EXPECT_THROW(block.ColorValue(0, 16), OutOfBoundsException);
}

TEST(MemoryBlock, EveryAccessOutsideTheBlockRaises) {
    MemoryBlock block(4);
    EXPECT_THROW(block.Byte(4), OutOfBoundsException);
    EXPECT_THROW(block.Byte(-1), OutOfBoundsException);
    EXPECT_THROW(block.Int32Value(1), OutOfBoundsException);
    EXPECT_THROW(block.Int64Value(0), OutOfBoundsException);
    EXPECT_THROW(block.SetInt16Value(3, 1), OutOfBoundsException);
    EXPECT_THROW(block.StringValue(2, 3), OutOfBoundsException);
    EXPECT_THROW(block.SetStringValue(3, "ab"), OutOfBoundsException);
    EXPECT_THROW(block.Mid(2, 3), OutOfBoundsException);
    EXPECT_THROW(block.Int32Value(INT64_MAX - 1), OutOfBoundsException);  // no overflow in the check
    EXPECT_THROW(block.StringValue(1, INT64_MAX), OutOfBoundsException);
    EXPECT_THROW(MemoryBlock(-1), OutOfBoundsException);
    EXPECT_NO_THROW(block.Int32Value(0));
    EXPECT_EQ(block.StringValue(4, 0), "");  // an empty piece at the very end is inside
}

TEST(MemoryBlock, PiecesCopyBytesAndKeepTheByteOrder) {
    auto block = MemoryBlock::FromString(std::string("\x00\x5B\x00\x00\x00\x0A", 6));
    block->LittleEndian = false;
    auto piece = block->Mid(2);
    EXPECT_FALSE(piece->LittleEndian);
    EXPECT_EQ(piece->Int32Value(0), 10);
    piece->SetByte(0, 9);
    EXPECT_EQ(block->Byte(2), 0);  // a piece is a copy
    EXPECT_EQ(block->LeftB(2)->UInt16Value(0), 91);
    EXPECT_EQ(block->RightB(0)->Size(), 0);

    block->SetSize(8);
    EXPECT_EQ(block->Byte(7), 0);
    EXPECT_EQ(block->CString(1), "\x5B");
}
