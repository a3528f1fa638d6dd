// The preferences file's header, password and version code. The password
// and the enciphered bytes are pinned: every stored file depends on them.
#include <gtest/gtest.h>

#include "prefs/AppVersionCode.h"
#include "prefs/ByteCipher.h"
#include "prefs/PrefsFileFormat.h"
#include "tests/prefs/PrefsTestBytes.h"

using namespace BPrefs;

namespace {

std::string fileWithHeader(const std::string& headerHex, const std::string& body) {
    return bytesOf(headerHex) + body;
}

std::string plainBody(const std::shared_ptr<MemoryBlock>& body) {
    return body ? body->ToString() : "nil";
}

}  // namespace

TEST(PrefsFileFormat, VersionCodePacksItsFieldsWithCarry) {
    EXPECT_EQ(AppVersionCode(1, 2, 3, 3, 0), 8658688);
    EXPECT_EQ(AppVersionCode(2, 0, 0, 0, 5), 16778245);
    // Too large for its field: carries into the next one.
    EXPECT_EQ(AppVersionCode(0, 0, 0, 0, 256), AppVersionCode(0, 0, 0, 1, 0));
    // Major 256 reaches the sign bit and 512 runs out of bits: the result
    // wraps as 32-bit arithmetic does, without undefined behaviour.
    EXPECT_EQ(AppVersionCode(256, 0, 0, 0, 0), static_cast<int32_t>(0x80000400u));
    EXPECT_EQ(AppVersionCode(512, 0, 0, 0, 0), 0x400);
    EXPECT_EQ(AppVersionCode(), AppVersionCode(LARDERWISE_MAJOR_VERSION, LARDERWISE_MINOR_VERSION,
                                               LARDERWISE_BUG_VERSION, LARDERWISE_STAGE_CODE,
                                               LARDERWISE_NON_RELEASE_VERSION));
}

TEST(PrefsFileFormat, PasswordIsSixtyFiveFixedBytes) {
    EXPECT_EQ(hexOf(GenerateKey()),
              "72 5C EB FB BD DD F7 0B 0B 20 42 D3 CE 4E 60 9D 82 17 48 A7 BA E0 D0 9A B3 CE A0 22 "
              "D8 DE 89 5F 70 ED 0F 26 DB 4F BB 4E 20 C0 A4 7E D7 4B D3 7C BB 3C F7 6E 72 FF 25 C9 "
              "AA CB FE 68 6B 45 07 02 67");
    EXPECT_EQ(BDictionary::EncryptionKey(GenerateKey())->ToString(), GenerateKey());
}

TEST(PrefsFileFormat, EncodedFileIsHeaderAndEncipheredBody) {
    const auto body = MemoryBlock::FromString(bytesOf("00 5B 00 00 00 0A 00 00 00 18 00 08 08 00 01 00 "
                                                      "61 70 70 5F 76 65 72 73 00 02 00 80 07 00"));
    const std::string file = EncodePrefsFile(*body);
    EXPECT_EQ(hexOf(file),
              "42 50 72 65 66 73 01 00 80 8E FF EB FB BD E7 F7 0B 0B F8 BE DB 3A B2 A1 9D DF 87 28 "
              "06 BC 85 A2 D9 B3 34 60 5E 2F 22");
    EXPECT_EQ(plainBody(DecodePrefsFile(file)), body->ToString());
    EXPECT_EQ(hexOf(body->ToString().substr(0, 2)), "00 5B");  // the caller's body is left alone
}

TEST(PrefsFileFormat, HeaderChecks) {
    const std::string body = bytesOf("00 5B");
    EXPECT_EQ(plainBody(DecodePrefsFile(fileWithHeader("42 50 72 65 66 73 01 00 00", body))), body);  // plain
    EXPECT_EQ(plainBody(DecodePrefsFile(fileWithHeader("42 50 72 65 66 73 01 00 01", body))), body);  // not 0x80
    EXPECT_EQ(plainBody(DecodePrefsFile(fileWithHeader("62 70 72 65 66 73 01 01 00", body))), body);  // "bprefs", 257
    EXPECT_EQ(plainBody(DecodePrefsFile(fileWithHeader("42 50 72 65 66 73 7F FF 00", body))), body);
    EXPECT_EQ(plainBody(DecodePrefsFile(bytesOf("42 50 72 65 66 73 01 00 00"))), "");  // empty body

    EXPECT_EQ(DecodePrefsFile(fileWithHeader("42 50 72 65 66 73 00 FF 00", body)), nullptr);  // 255
    EXPECT_EQ(DecodePrefsFile(fileWithHeader("42 50 72 65 66 73 80 00 00", body)), nullptr);  // negative
    EXPECT_EQ(DecodePrefsFile(fileWithHeader("42 50 72 65 66 58 01 00 00", body)), nullptr);  // "BPrefX"
    for (size_t n = 0; n < 9; ++n)
        EXPECT_EQ(DecodePrefsFile(bytesOf("42 50 72 65 66 73 01 00 80").substr(0, n)), nullptr) << n;
}
