// Reading serialised dictionaries: the known answers of the format, round
// trips of every kind, and malformed blocks that must be refused whole.
#include <gtest/gtest.h>

#include "framework/files/FolderItem.h"
#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "tests/prefs/PrefsTestBytes.h"

using namespace BDictionary;

namespace {

std::shared_ptr<Dictionary> read(const std::string& hex) {
    return Convert(MemoryBlock::FromString(bytesOf(hex)));
}

std::shared_ptr<Dictionary> roundTrip(const std::shared_ptr<Dictionary>& dict) {
    return Convert(Convert(dict));
}

}  // namespace

TEST(BDictionaryReader, ShortBlocksAndTheEmptyDictionary) {
    EXPECT_EQ(read(""), nullptr);
    EXPECT_EQ(read("00"), nullptr);
    ASSERT_NE(read("00 5B"), nullptr);
    EXPECT_EQ(read("00 5B")->Count(), 0);
    EXPECT_EQ(read("00 33"), nullptr);
    EXPECT_EQ(read("00 5B 7F")->Count(), 0);
    EXPECT_EQ(read("7F 00 5B")->Count(), 0);
    EXPECT_EQ(read("7F 7F 7F"), nullptr);
    EXPECT_THROW(Convert(std::shared_ptr<MemoryBlock>()), NilObjectException);
}

TEST(BDictionaryReader, AppVersBlockAndSkippedLeadingBytes) {
    auto dict = read(kAppVersBlock841F00);
    ASSERT_NE(dict, nullptr);
    ASSERT_EQ(dict->Count(), 1);
    EXPECT_EQ(dict->Value("app_vers").Type(), VariantType::Integer);
    EXPECT_EQ(dict->Value("app_vers").IntegerValue(), 8658688);
    EXPECT_EQ(dict->Key(0).StringBytes().encoding, EncodingCode::UTF8);

    auto skipped = read(std::string("FF FF ") + kAppVersBlock841F00);
    ASSERT_NE(skipped, nullptr);
    EXPECT_EQ(skipped->Value("APP_VERS").IntegerValue(), 8658688);  // keys match case-blind
}

TEST(BDictionaryReader, TrailingBytesJoinTheLastValue) {
    auto fixed = read(std::string(kAppVersBlock841F00) + " FF FF");
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->Value("app_vers").IntegerValue(), 8658688);

    // {"s": "ab"} followed by "cd": the string takes the extra bytes.
    auto grown = read("00 5B 00 00 00 0A 00 00 00 11 00 08 08 00 01 00 73 "
                      "00 08 08 00 01 00 61 62 63 64");
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(grown->Value("s").StringValue(), "abcd");
}

TEST(BDictionaryReader, OddTableDropsTheLastKeyAndLaterKeyWins) {
    auto odd = read("00 5B 00 00 00 06 00 02 00 00 00 05");
    ASSERT_NE(odd, nullptr);
    EXPECT_EQ(odd->Count(), 0);

    // Keys 1 -> 10 and 1 -> 20: the later pair wins.
    auto twice = read("00 5B 00 00 00 12 00 00 00 18 00 00 00 1E 00 00 00 24 "
                      "00 02 00 00 00 01 00 02 00 00 00 0A "
                      "00 02 00 00 00 01 00 02 00 00 00 14");
    ASSERT_NE(twice, nullptr);
    ASSERT_EQ(twice->Count(), 1);
    EXPECT_EQ(twice->Value(int32_t{1}).IntegerValue(), 20);
}

TEST(BDictionaryReader, UnknownTagComesBackAsItsRawPieceAndIsWrittenAsABlock) {
    auto dict = read("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 63 01 02");
    ASSERT_NE(dict, nullptr);
    auto raw = dict->Value(int32_t{1}).MemoryBlockValue();
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(hexOf(raw->ToString()), "00 63 01 02");
    EXPECT_EQ(hexOf(VariantData(dict->Value(int32_t{1}))->ToString()), "00 47 00 63 01 02");
}

TEST(BDictionaryReader, MalformedBlocksAreRefusedWhole) {
    const char* refused[] = {
        "00 5B 00 00",                                                    // no room for the first offset
        "00 5B 00 00 00",                                                 // first offset cut short
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 02 00 01",    // Int32 value of 4 bytes
        "00 5B 00 00 00 0A 00 00 00 40 00 02 00 00 00 01 00 02 00 00 00 01",  // value offset past the end
        "00 5B 00 00 00 40 00 00 00 10",                                  // table past the end
        "00 5B 00 00 00 0A 00 00 00 08 00 02 00 00 00 01 00 02 00 00 00 01",  // decreasing offsets
        "00 5B 00 00 00 0A 00 00 00 0A 00 02 00 00 00 01 00 02 00 00 00 01",  // empty key piece
        "00 5B 00 00 00 0A FF FF FF FF 00 02 00 00 00 01 00 02 00 00 00 01",  // negative offset
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00",             // one-byte piece (no tag)
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 05 00 00 00 00 00 00 00",  // short double
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 0B",          // Boolean without its byte
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 10 01 02",    // colour of two bytes
        "00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 08 08 00",    // string without its code
    };
    for (const char* hex : refused) EXPECT_EQ(read(hex), nullptr) << hex;

    // Valid apart from the piece, so the piece alone is what is refused.
    EXPECT_THROW(ToVariant(MemoryBlock::FromString(bytesOf("00 02 00 01"))), UnsupportedFormatException);
}

TEST(BDictionaryReader, InvalidDatesAreRefused) {
    auto withDate = [](const std::string& text) {
        return read("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 07 " + hexOf(text));
    };
    ASSERT_NE(withDate("2024-02-29 23:59:59"), nullptr);
    EXPECT_EQ(withDate("2024-02-29 23:59:59")->Value(int32_t{1}).DateValue().SQLDateTime(), "2024-02-29 23:59:59");
    for (const char* bad : {"2023-02-29 00:00:00", "2024-13-01 00:00:00", "2024-00-10 00:00:00",
                            "2024-01-01 24:00:00", "2024-01-01 00:60:00", "2024-01-01T00:00:00",
                            "2024-1-01 00:00:000", "abcd-ef-gh ij:kl:mn", "2024-01-01 00:00:0"})
        EXPECT_EQ(withDate(bad), nullptr) << bad;
}

TEST(BDictionaryReader, NestingIsCappedOnRead) {
    // A chain of dictionaries, each the value of key Int32 1 in the one
    // around it, written by hand so the writer's own cap plays no part.
    auto chain = [](int levels) {
        const std::string head = bytesOf("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01");
        std::string block;
        block.reserve(head.size() * levels + 2);
        for (int i = 1; i < levels; ++i) block += head;
        return MemoryBlock::FromString(block + bytesOf("00 5B"));
    };
    EXPECT_NE(Convert(chain(kMaxNestingDepth)), nullptr);
    EXPECT_EQ(Convert(chain(kMaxNestingDepth + 1)), nullptr);
    EXPECT_EQ(Convert(chain(100000)), nullptr);  // deep enough to overflow an unbounded reader
}

TEST(BDictionaryReader, EveryKindRoundTrips) {
    auto blob = MemoryBlock::FromString(bytesOf("00 01 FE FF"));
    auto inner = std::make_shared<Dictionary>();
    inner->SetValue("deep", -1.25);
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("int", int32_t{-123456789});
    dict->SetValue("double", 3.141592653589793);
    dict->SetValue("date", Date(1999, 12, 31, 23, 59, 58));
    dict->SetValue("utf8", "Crème brûlée");
    dict->SetValue("noenc", Variant::FromBytes(bytesOf("00 FF 80"), EncodingCode::None));
    dict->SetValue("odd code", Variant::FromBytes("x", 0x12345678));
    dict->SetValue("yes", true);
    dict->SetValue("no", false);
    dict->SetValue("colour", Variant::FromColor(0xFF8000));
    dict->SetValue("nil", Variant());
    dict->SetValue("blob", blob);
    dict->SetValue("empty blob", std::make_shared<MemoryBlock>());
    dict->SetValue("no file", std::shared_ptr<FolderItem>());
    dict->SetValue("inner", inner);
    dict->SetValue("empty inner", std::make_shared<Dictionary>());
    dict->SetValue(int32_t{42}, "integer key");
    dict->SetValue(Date(2001, 1, 2), "date key");

    auto back = roundTrip(dict);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->Count(), dict->Count());
    for (int32_t i = 0; i < dict->Count(); ++i) {
        const Variant& key = dict->Key(i);
        EXPECT_EQ(back->Key(i), key) << i;
        EXPECT_EQ(back->Key(i).Type(), key.Type()) << i;
        const Variant& want = dict->ValueAt(i);
        const Variant& got = back->ValueAt(i);
        EXPECT_EQ(got.Type(), want.Type()) << i;
        if (want.IsString()) {
            EXPECT_EQ(got.StringBytes(), want.StringBytes()) << i;
        }
    }
    EXPECT_EQ(back->Value("int").IntegerValue(), -123456789);
    EXPECT_EQ(back->Value("double").DoubleValue(), 3.141592653589793);
    EXPECT_EQ(back->Value("date").DateValue().SQLDateTime(), "1999-12-31 23:59:58");
    EXPECT_EQ(back->Value("noenc").Encoding(), nullptr);
    EXPECT_EQ(back->Value("odd code").StringBytes().encoding, 0x12345678);
    EXPECT_TRUE(back->Value("yes").BooleanValue());
    EXPECT_FALSE(back->Value("no").BooleanValue());
    EXPECT_EQ(back->Value("colour").ColorValue(), 0xFF8000u);
    EXPECT_TRUE(back->Value("nil").IsNull());
    EXPECT_EQ(back->Value("blob").MemoryBlockValue()->ToString(), blob->ToString());
    EXPECT_EQ(back->Value("empty blob").MemoryBlockValue()->Size(), 0);
    EXPECT_TRUE(back->Value("no file").IsNull());
    EXPECT_EQ(back->Value("inner").DictionaryValue()->Value("deep").DoubleValue(), -1.25);
    EXPECT_EQ(back->Value("empty inner").DictionaryValue()->Count(), 0);
    EXPECT_EQ(back->Value(int32_t{42}).StringValue(), "integer key");
    EXPECT_FALSE(back->HasKey("42"));  // an integer key stays an integer

    // Writing what was read gives the same bytes again.
    EXPECT_EQ(Convert(back)->ToString(), Convert(dict)->ToString());
}

TEST(BDictionaryReader, BooleanByteOtherThanOneIsTrueAndBareFileReferenceIsNil) {
    auto dict = read("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 00 0B 7F");
    ASSERT_NE(dict, nullptr);
    EXPECT_TRUE(dict->Value(int32_t{1}).BooleanValue());

    auto file = read("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 01 7D");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->Value(int32_t{1}).IsNull());
}

TEST(BDictionaryReader, FileReferenceRoundTripsByItsPath) {
    auto item = FolderItem::fromPath("/tmp/some folder/Recipe notes.txt");
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("file", item);
    const std::string bytes = Convert(dict)->ToString();
    EXPECT_NE(bytes.find(bytesOf("01 7D") + item->GetSaveInfo()), std::string::npos);

    auto back = Convert(MemoryBlock::FromString(bytes));
    ASSERT_NE(back, nullptr);
    auto backItem = back->Value("file").FolderItemValue();
    ASSERT_NE(backItem, nullptr);
    EXPECT_EQ(backItem->AbsolutePath(), item->AbsolutePath());

    // Bytes that are not save information refuse the reading.
    EXPECT_EQ(read("00 5B 00 00 00 0A 00 00 00 10 00 02 00 00 00 01 01 7D 7A 7A"), nullptr);
}
