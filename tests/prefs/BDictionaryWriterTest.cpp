// The serialised bytes are a file format: these known answers pin them.
#include <gtest/gtest.h>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "tests/prefs/PrefsTestBytes.h"

using namespace BDictionary;

namespace {

std::string hexOfBlock(const std::shared_ptr<MemoryBlock>& block) {
    return block ? hexOf(block->ToString()) : "nil";
}

std::string hexOfValue(const Variant& v) {
    return hexOfBlock(VariantData(v));
}

}  // namespace

TEST(BDictionaryWriter, EmptyAndNilDictionaries) {
    EXPECT_EQ(hexOfBlock(Convert(std::make_shared<Dictionary>())), "00 5B");
    EXPECT_EQ(hexOfBlock(Convert(std::shared_ptr<Dictionary>())), "00 33");
}

TEST(BDictionaryWriter, AppVersBlockIsThirtyBytes) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("app_vers", int32_t{8658688});
    const auto block = Convert(dict);
    EXPECT_EQ(block->Size(), 30);
    EXPECT_EQ(hexOf(block->ToString()), kAppVersBlock841F00);
    EXPECT_FALSE(block->LittleEndian);
}

TEST(BDictionaryWriter, EveryKindHasItsTagAndBigEndianPayload) {
    EXPECT_EQ(hexOfValue(int32_t{-2}), "00 02 FF FF FF FE");
    EXPECT_EQ(hexOfValue(1.5), "00 05 3F F8 00 00 00 00 00 00");
    EXPECT_EQ(hexOfValue(Date(2026, 12, 7, 9, 5, 3)),
              "00 07 " + hexOf("2026-12-07 09:05:03"));
    EXPECT_EQ(hexOfValue("ab"), "00 08 08 00 01 00 61 62");
    EXPECT_EQ(hexOfValue(Variant::FromBytes("\xE9", EncodingCode::None)), "00 08 FF FF FF FF E9");
    EXPECT_EQ(hexOfValue(true), "00 0B 01");
    EXPECT_EQ(hexOfValue(false), "00 0B 00");
    EXPECT_EQ(hexOfValue(Variant::FromColor(0x123456)), "00 10 12 34 56");
    EXPECT_EQ(hexOfValue(Variant()), "00 33");
    EXPECT_EQ(hexOfValue(MemoryBlock::FromString(bytesOf("01 02"))), "00 47 01 02");
    EXPECT_EQ(hexOfValue(std::make_shared<MemoryBlock>()), "00 47");
    // A nil file reference is a nil value, so it is written as nil.
    EXPECT_EQ(hexOfValue(std::shared_ptr<FolderItem>()), "00 33");
}

TEST(BDictionaryWriter, NestedDictionaryOffsetsCountFromItsOwnTag) {
    auto inner = std::make_shared<Dictionary>();
    inner->SetValue(int32_t{1}, true);
    auto outer = std::make_shared<Dictionary>();
    outer->SetValue(int32_t{7}, inner);
    EXPECT_EQ(hexOf(Convert(outer)->ToString()),
              "00 5B 00 00 00 0A 00 00 00 10 "   // outer table
              "00 02 00 00 00 07 "               // key 7
              "00 5B 00 00 00 0A 00 00 00 10 "   // inner table, from the inner tag
              "00 02 00 00 00 01 00 0B 01");     // key 1, value true
}

TEST(BDictionaryWriter, PairsFollowInsertionOrder) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("z", int32_t{1});
    dict->SetValue("a", int32_t{2});
    const std::string bytes = Convert(dict)->ToString();
    EXPECT_LT(bytes.find('z'), bytes.find('a'));
}

TEST(BDictionaryWriter, UnsupportedKindsRaiseAndReturnNothing) {
    EXPECT_EQ(VariantData(int64_t{5}), nullptr);
    EXPECT_EQ(VariantData(1.5f), nullptr);
    EXPECT_EQ(VariantData(Variant::FromCurrency(10000)), nullptr);

    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("ok", int32_t{1});
    dict->SetValue("wide", int64_t{5});
    EXPECT_THROW(Convert(dict), NilObjectException);

    auto keyed = std::make_shared<Dictionary>();
    keyed->SetValue(1.5f, int32_t{1});
    EXPECT_THROW(Convert(keyed), NilObjectException);
}

TEST(BDictionaryWriter, DateOutsideFourDigitYearsIsRefused) {
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("when", Date(10000, 1, 1));
    EXPECT_THROW(Convert(dict), RuntimeException);
    dict->SetValue("when", Date(-1, 1, 1));
    EXPECT_THROW(Convert(dict), RuntimeException);
    dict->SetValue("when", Date(9999, 12, 31, 23, 59, 59));
    EXPECT_NO_THROW(Convert(dict));
}

TEST(BDictionaryWriter, SelfContainingDictionaryIsRefused) {
    auto a = std::make_shared<Dictionary>();
    a->SetValue("self", a);
    EXPECT_THROW(Convert(a), RuntimeException);

    auto b = std::make_shared<Dictionary>();
    auto c = std::make_shared<Dictionary>();
    b->SetValue("c", c);
    c->SetValue("b", b);
    EXPECT_THROW(Convert(b), RuntimeException);

    // Sharing one dictionary twice is not a cycle.
    auto shared = std::make_shared<Dictionary>();
    auto twice = std::make_shared<Dictionary>();
    twice->SetValue("x", shared);
    twice->SetValue("y", shared);
    EXPECT_NO_THROW(Convert(twice));

    a->Clear();  // break the cycles so the test does not leak them
    c->Clear();
}

TEST(BDictionaryWriter, NestingBeyondTheLimitIsRefused) {
    auto build = [](int levels) {
        auto top = std::make_shared<Dictionary>();
        auto cur = top;
        for (int i = 1; i < levels; ++i) {
            auto next = std::make_shared<Dictionary>();
            cur->SetValue("d", next);
            cur = next;
        }
        return top;
    };
    EXPECT_NO_THROW(Convert(build(kMaxNestingDepth)));
    EXPECT_THROW(Convert(build(kMaxNestingDepth + 1)), RuntimeException);
}
