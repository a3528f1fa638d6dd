// The cipher and its key derivation: the known answers pin the bytes every
// stored preferences file depends on, so a change here breaks old files.
#include "prefs/ByteCipher.h"

#include <gtest/gtest.h>

#include "tests/prefs/PrefsTestBytes.h"

using namespace BDictionary;

namespace {

std::string enciphered(std::string data, const std::string& password) {
    auto block = MemoryBlock::FromString(data);
    Encrypt(block, password);
    return block->ToString();
}

std::string deciphered(std::string data, const std::string& password) {
    auto block = MemoryBlock::FromString(data);
    Decrypt(block, password);
    return block->ToString();
}

}  // namespace

TEST(ByteCipher, LongPasswordIsItsOwnKeyOddAddsEvenSubtracts) {
    EXPECT_EQ(hexOf(enciphered(bytesOf("00 01 FF"), std::string(64, 'a'))), "61 62 60");
    EXPECT_EQ(hexOf(enciphered(bytesOf("00 01 FF"), std::string(64, 'b'))), "9E 9F 9D");
    std::string ab;
    for (int i = 0; i < 32; ++i) ab += "ab";
    EXPECT_EQ(hexOf(enciphered(bytesOf("00 00 00 00"), ab)), "61 9E 61 9E");

    // A 65-byte password gives a 65-byte key: byte 65 of the data uses the
    // last key byte, byte 66 the first again.
    const std::string key65 = std::string(64, 'a') + "b";
    EXPECT_EQ(EncryptionKey(key65)->Size(), 65);
    const std::string out = enciphered(std::string(66, '\0'), key65);
    EXPECT_EQ(hexOf(out.substr(63)), "61 9E 61");
}

TEST(ByteCipher, EmptyPasswordKeyIsFullyDetermined) {
    EXPECT_EQ(hexOf(EncryptionKey("")->ToString()),
              "FB F8 61 86 F5 15 A8 88 82 63 97 A2 CA AC 9A 36 "
              "51 8A 50 AF AD BF 85 35 A1 57 CB BA 32 5B B8 CE "
              "9F 56 C2 AD F6 3B 37 AE B9 0A 35 E6 07 A9 70 CE "
              "AD 02 65 E2 5F 05 D2 4D 07 5A 13 D4 B8 D9 D8 DC");
    EXPECT_EQ(hexOf(enciphered(bytesOf("00 00 00 00"), "")), "FB 08 61 7A");
    EXPECT_EQ(hexOf(enciphered(std::string(66, '\0'), "").substr(63)), "24 FB 08");
    EXPECT_EQ(hexOf(enciphered(bytesOf(kAppVersBlock841F00), "")),
              "FB 63 61 7A F5 1F 58 78 7E 7B 97 66 3E 54 67 CA "
              "B2 E6 20 0E 23 24 F7 A8 A1 59 CB CA ED 5B");
}

TEST(ByteCipher, ShortPasswordsArePaddedBelowTwelveBytes) {
    // The second digest depends only on the (padded) password and the salt,
    // so it shows whether padding happened.
    EXPECT_EQ(hexOf(EncryptionKey("abc")->ToString().substr(16, 16)),
              "42 68 81 F6 9A 4C E5 E9 D3 1B 6C BF EE B1 08 FE");
    EXPECT_EQ(hexOf(EncryptionKey("abcdefghijk")->ToString().substr(16, 16)),
              "06 C3 12 4F 05 C5 DE 31 8B A0 18 E9 6B 32 9C DA");
    EXPECT_EQ(hexOf(EncryptionKey("abcdefghijkl")->ToString().substr(16, 16)),
              "92 07 00 A8 88 1E F8 DF CE 74 8F 5A 54 FA 27 D0");
    EXPECT_EQ(EncryptionKey(std::string(63, 'x'))->Size(), 64);
    EXPECT_EQ(EncryptionKey(std::string(64, 'x'))->ToString(), std::string(64, 'x'));
}

TEST(ByteCipher, RoundTripsForEveryLengthClassAndWrongPasswordDiffers) {
    std::string data;
    for (int i = 0; i < 300; ++i) data += static_cast<char>(i * 37 + 11);
    for (size_t n : {0u, 11u, 12u, 63u, 64u, 65u}) {
        std::string password;
        for (size_t i = 0; i < n; ++i) password += static_cast<char>(i * 7);  // holds 0x00
        const std::string hidden = enciphered(data, password);
        EXPECT_NE(hidden, data) << n;
        EXPECT_EQ(deciphered(hidden, password), data) << n;
        EXPECT_NE(deciphered(hidden, password + "?"), data) << n;
    }
}

TEST(ByteCipher, NilStaysNilAndEmptyStaysEmpty) {
    EXPECT_EQ(Encrypt(nullptr, "pw"), nullptr);
    EXPECT_EQ(Decrypt(nullptr, "pw"), nullptr);
    auto empty = std::make_shared<MemoryBlock>();
    EXPECT_EQ(Encrypt(empty, "pw"), empty);
    EXPECT_EQ(empty->Size(), 0);
}
