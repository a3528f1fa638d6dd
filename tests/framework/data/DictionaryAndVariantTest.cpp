#include <gtest/gtest.h>

#include "framework/data/Dictionary.h"
#include "framework/data/MemoryBlock.h"
#include "framework/runtime/RuntimeException.h"

TEST(Dictionary, KeepsInsertionOrderAcrossReplaceAndRemove) {
    Dictionary d;
    d.SetValue("app_vers", 1);
    d.SetValue(7, "seven");
    d.SetValue("Window", 2.5);
    d.SetValue("APP_VERS", 3);  // the same key, case-blind: replaced in place
    ASSERT_EQ(d.Count(), 3);
    EXPECT_EQ(d.Key(0).StringValue(), "app_vers");
    EXPECT_EQ(d.ValueAt(0).IntegerValue(), 3);
    d.Remove(7);
    ASSERT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Key(1).StringValue(), "Window");
    EXPECT_DOUBLE_EQ(d.Value("window").DoubleValue(), 2.5);
    d.SetValue(7, "back");
    EXPECT_EQ(d.Key(2).IntegerValue(), 7);
}

TEST(Dictionary, MissingKeysAndIndexesRaise) {
    Dictionary d;
    d.SetValue("8", "eight");
    EXPECT_THROW(d.Value("nine"), KeyNotFoundException);
    EXPECT_THROW(d.Value(8), KeyNotFoundException);  // the integer 8 is not the string "8"
    EXPECT_THROW(d.Remove("nine"), KeyNotFoundException);
    EXPECT_THROW(d.Key(1), OutOfBoundsException);
    EXPECT_THROW(d.ValueAt(-1), OutOfBoundsException);
    EXPECT_FALSE(d.HasKey(8));
    EXPECT_EQ(d.Lookup("nine", "none").StringValue(), "none");
}

TEST(Dictionary, KeysOfEveryKindMatchByKindAndValue) {
    Dictionary d;
    d.SetValue(int32_t(1), "int32");
    d.SetValue(int64_t(1), "int64");
    d.SetValue(true, "bool");
    d.SetValue(Variant::FromColor(1), "colour");
    d.SetValue(Date(2009, 3, 7, 9, 5, 0), "date");
    auto block = std::make_shared<MemoryBlock>(2);
    d.SetValue(block, "block");
    EXPECT_EQ(d.Count(), 6);
    EXPECT_EQ(d.Value(Date(2009, 3, 7, 9, 5, 0)).StringValue(), "date");
    EXPECT_EQ(d.Value(block).StringValue(), "block");
    EXPECT_FALSE(d.HasKey(std::make_shared<MemoryBlock>(2)));  // objects match by identity
    // Bytes with no encoding match exactly, never case-blind.
    d.SetValue(Variant::FromBytes("Key", EncodingCode::None), 1);
    EXPECT_TRUE(d.HasKey(Variant::FromBytes("Key", EncodingCode::None)));
    EXPECT_TRUE(d.HasKey(Variant::FromBytes("\xC4pfel", EncodingCode::MacRoman)) == false);
    d.SetValue(Variant::FromBytes("\x80pfel", EncodingCode::MacRoman), 2);  // "Äpfel"
    EXPECT_TRUE(d.HasKey("äPFEL"));
}

TEST(Variant, KindsAndConversions) {
    EXPECT_EQ(Variant().Type(), VariantType::Nil);
    EXPECT_EQ(Variant(std::shared_ptr<Dictionary>()).Type(), VariantType::Nil);
    EXPECT_EQ(Variant(5).Type(), VariantType::Integer);
    EXPECT_EQ(Variant(int64_t(5)).Type(), VariantType::Int64);
    EXPECT_EQ(Variant(5.0).Type(), VariantType::Double);
    EXPECT_EQ(Variant(5.0f).Type(), VariantType::Single);
    EXPECT_EQ(Variant("x").Type(), VariantType::String);
    EXPECT_EQ(Variant(true).Type(), VariantType::Boolean);
    EXPECT_EQ(Variant::FromColor(0xFF0000).Type(), VariantType::Color);
    EXPECT_EQ(Variant::FromCurrency(12345).Type(), VariantType::Currency);
    EXPECT_EQ(Variant(Date()).Type(), VariantType::Date);
    EXPECT_EQ(Variant(std::make_shared<Dictionary>()).Type(), VariantType::Object);

    EXPECT_EQ(Variant("250 g flour").IntegerValue(), 250);
    EXPECT_EQ(Variant(250.0).StringValue(), "250");
    EXPECT_EQ(Variant().StringValue(), "");
    EXPECT_EQ(Variant(true).StringValue(), "True");
    EXPECT_TRUE(Variant("true").BooleanValue());
    EXPECT_EQ(Variant(int64_t(1) << 40).Int64Value(), int64_t(1) << 40);
    EXPECT_EQ(Variant::FromCurrency(12345).StringValue(), "1.2345");
    EXPECT_THROW(Variant(std::make_shared<Dictionary>()).IntegerValue(), RuntimeException);
}

TEST(Variant, StringsKeepTheirBytesAndEncoding) {
    const Variant none = Variant::FromBytes(std::string("\xFF\x00z", 3), EncodingCode::None);
    EXPECT_EQ(none.StringBytes().bytes, std::string("\xFF\x00z", 3));
    EXPECT_EQ(none.Encoding(), nullptr);
    const Variant roman = Variant::FromBytes("caf\x8E", EncodingCode::MacRoman);
    EXPECT_EQ(roman.StringBytes().bytes, "caf\x8E");     // stored unconverted
    EXPECT_EQ(roman.StringValue(), "caf\xC3\xA9");       // read as UTF-8 "café"
    EXPECT_EQ(roman.Encoding()->Code(), EncodingCode::MacRoman);
    const Variant unknown = Variant::FromBytes("abc", 0x7777);
    EXPECT_EQ(unknown.Encoding()->Code(), 0x7777);      // unknown codes are kept
    EXPECT_EQ(unknown.StringValue(), "abc");
}
