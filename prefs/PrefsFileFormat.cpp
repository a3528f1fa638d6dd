#include "prefs/PrefsFileFormat.h"

#include "framework/data/MD5.h"
#include "prefs/ByteCipher.h"

namespace BPrefs {
namespace {

constexpr const char* kMagic = "BPrefs";
constexpr size_t kMagicLength = 6;
constexpr size_t kHeaderLength = 9;
constexpr int16_t kWrittenVersion = 256;
constexpr uint8_t kEnciphered = 0x80;

// The password's ingredients are part of the file format: change any of them
// and every stored preferences file becomes unreadable.
const std::string kSeed = "Wq4#Lm8!tZ";
constexpr size_t kSeedLengthMultiplier = 7;
constexpr size_t kInnerCharsFrom = 3;  // 0-based: "#Lm8"
constexpr size_t kInnerCharsCount = 4;
constexpr size_t kTailCharsCount = 6;  // "Lm8!tZ"
constexpr size_t kSliceStart = 2;
constexpr size_t kSliceBase = 64;
constexpr size_t kSliceExtra = 21;

// The magic matches in any letter case, like all text in the system; it is
// ASCII, so comparing ASCII letters case-blind is the whole rule.
bool isMagic(const std::string& bytes) {
    if (bytes.size() < kMagicLength) return false;
    for (size_t i = 0; i < kMagicLength; ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(bytes[i]) != lower(kMagic[i])) return false;
    }
    return true;
}

}  // namespace

std::string GenerateKey() {
    std::string chain = MD5(kSeed + kSeed.substr(0, 2));
    chain += MD5(chain + std::to_string(kSeed.size() * kSeedLengthMultiplier));
    chain += MD5(chain + kSeed.substr(kInnerCharsFrom, kInnerCharsCount));
    chain += MD5(chain + kSeed);
    chain += MD5(chain + kSeed.substr(kSeed.size() - kTailCharsCount));
    return chain.substr(kSliceStart, kSliceBase + kSliceExtra % kSeed.size());
}

std::string EncodePrefsFile(const MemoryBlock& body) {
    auto hidden = MemoryBlock::FromString(body.ToString());
    BDictionary::Encrypt(hidden, GenerateKey());
    std::string file = kMagic;
    file += static_cast<char>(static_cast<uint16_t>(kWrittenVersion) >> 8);
    file += static_cast<char>(kWrittenVersion & 0xFF);
    file += static_cast<char>(kEnciphered);
    return file + hidden->ToString();
}

std::shared_ptr<MemoryBlock> DecodePrefsFile(const std::string& fileBytes) {
    if (fileBytes.size() < kHeaderLength || !isMagic(fileBytes)) return nullptr;
    const auto version = static_cast<int16_t>((static_cast<uint8_t>(fileBytes[6]) << 8) |
                                              static_cast<uint8_t>(fileBytes[7]));
    if (version < kWrittenVersion) return nullptr;
    auto body = MemoryBlock::FromString(fileBytes.substr(kHeaderLength));
    if (static_cast<uint8_t>(fileBytes[8]) == kEnciphered) BDictionary::Decrypt(body, GenerateKey());
    return body;
}

}  // namespace BPrefs
