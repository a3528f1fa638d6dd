// A preferences file is input anyone can edit. Whatever its bytes, reading
// it gives a dictionary or nil: never a crash, a hang or a read outside the
// buffer (this suite is also meant to run under the address and undefined
// behaviour sanitizers).
#include <random>

#include <gtest/gtest.h>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "prefs/PrefsFileFormat.h"
#include "tests/prefs/PrefsTestBytes.h"

using namespace BDictionary;

namespace {

std::shared_ptr<Dictionary> richStore() {
    auto inner = std::make_shared<Dictionary>();
    inner->SetValue("list", MemoryBlock::FromString("\x01\x02\x03"));
    inner->SetValue(int32_t{3}, Date(2020, 2, 29, 12, 0, 0));
    auto dict = std::make_shared<Dictionary>();
    dict->SetValue("app_vers", int32_t{8658688});
    dict->SetValue("window", inner);
    dict->SetValue("scale", 0.75);
    dict->SetValue("flag", true);
    dict->SetValue("tint", Variant::FromColor(0x336699));
    dict->SetValue("name", "Sauce");
    dict->SetValue("nothing", Variant());
    return dict;
}

// A dictionary read from damaged bytes is saved again whole or refused with
// an exception, and what is saved reads back as the very same dictionary: the
// next start finds what this one read, not less.
void expectSavedAsRead(const std::shared_ptr<Dictionary>& dict, const std::string& bytes) {
    std::shared_ptr<MemoryBlock> written;
    try {
        written = Convert(dict);
    } catch (const RuntimeException&) {
        return;
    }
    ASSERT_TRUE(written) << "written as nothing, read from " << hexOf(bytes);
    const auto reread = Convert(written);
    ASSERT_TRUE(reread) << "what was saved cannot be read, read from " << hexOf(bytes);
    EXPECT_EQ(reread->Count(), dict->Count()) << hexOf(bytes);
    EXPECT_EQ(Convert(reread)->ToString(), written->ToString()) << "saved again differently, read from " << hexOf(bytes);
}

// Reads the bytes as a whole file and as a bare block; answers how many of
// the two gave a dictionary.
int readAnyhow(const std::string& bytes) {
    int read = 0;
    if (auto body = BPrefs::DecodePrefsFile(bytes)) {
        if (auto dict = Convert(body)) {
            ++read;
            expectSavedAsRead(dict, bytes);
        }
    }
    if (auto dict = Convert(MemoryBlock::FromString(bytes))) {
        ++read;
        expectSavedAsRead(dict, bytes);
    }
    return read;
}

}  // namespace

TEST(HostileInput, EveryPrefixOfAValidFileAndBlock) {
    const auto block = Convert(richStore());
    const std::string file = BPrefs::EncodePrefsFile(*block);
    for (size_t n = 0; n <= file.size(); ++n) readAnyhow(file.substr(0, n));
    EXPECT_EQ(readAnyhow(file), 1) << "the whole file reads, as a file";

    const std::string plain = block->ToString();
    for (size_t n = 0; n < plain.size(); ++n) {
        // A cut block is either refused or, when the cut falls inside the
        // last value of a kind that takes the rest, read with less in it.
        auto dict = Convert(MemoryBlock::FromString(plain.substr(0, n)));
        if (dict) {
            EXPECT_LE(dict->Count(), 7);
        }
    }
    EXPECT_EQ(Convert(MemoryBlock::FromString(plain))->Count(), 7);
}

TEST(HostileInput, EverySingleByteChangeOfAValidBlock) {
    const std::string plain = Convert(richStore())->ToString();
    int read = 0, tried = 0;
    for (size_t i = 0; i < plain.size(); ++i) {
        for (int v : {0x00, 0x01, 0x5B, 0x7F, 0x80, 0xFF}) {
            std::string changed = plain;
            changed[i] = static_cast<char>(v);
            read += readAnyhow(changed);
            ++tried;
        }
    }
    // Changes inside a text or number still read; those in the structure are
    // refused. Both kinds were met, so both paths were walked.
    EXPECT_GT(read, 0);
    EXPECT_LT(read, tried);
}

TEST(HostileInput, SeededRandomBodies) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 160);
    // Small offsets and known tags make random bytes reach deep into the
    // reader instead of failing at the first check.
    const uint8_t likely[] = {0x00, 0x00, 0x00, 0x02, 0x05, 0x07, 0x08, 0x0A, 0x0B,
                              0x10, 0x18, 0x33, 0x47, 0x5B, 0x01, 0x7D, 0xFF};
    std::uniform_int_distribution<size_t> pick(0, sizeof likely - 1);
    int read = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string body = round % 2 ? bytesOf("00 5B 00 00") : std::string();
        const int n = length(random);
        for (int i = 0; i < n; ++i)
            body += static_cast<char>(round % 3 ? likely[pick(random)] : byte(random));
        read += readAnyhow(body);
        read += readAnyhow(bytesOf("42 50 72 65 66 73 01 00 00") + body);
    }
    EXPECT_GT(read, 0) << "no random body got past the first checks; the rounds tried nothing";
}
