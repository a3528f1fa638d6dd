#include "prefs/ByteCipher.h"

#include "framework/data/MD5.h"

namespace BDictionary {
namespace {

// These words and multipliers are part of the file format: changing any of
// them makes every stored preferences file unreadable.
constexpr const char* kPadding = "lanternfy";
constexpr const char* kFirstSalt = "p3Rvk";
constexpr const char* kSecondSalt = "7Dm2q";
constexpr size_t kFirstLengthMultiplier = 3;
constexpr size_t kSecondLengthMultiplier = 5;
constexpr size_t kStretchedKeyLength = 64;
constexpr size_t kPaddedBelow = 12;

std::string keyBytes(const std::string& password) {
    const size_t n = password.size();
    if (n >= kStretchedKeyLength) return password;

    // n stays the unpadded length: the padding changes what is hashed, not
    // the numbers written into it.
    std::string p = password;
    if (n < kPaddedBelow) p += kPadding;
    const std::string d1 = MD5(p + std::to_string(n * kFirstLengthMultiplier));
    const std::string d2 = MD5(p + kFirstSalt);
    const std::string h = d1 + d2;
    const std::string d3 = MD5(h + std::to_string(n * kSecondLengthMultiplier));
    const std::string d4 = MD5(h + kSecondSalt);  // over h alone, not h and d3
    return h + d3 + d4;
}

// Odd key bytes add when enciphering, even ones subtract; deciphering swaps
// the two. The key index wraps before use, so any non-empty key serves.
void shiftBytes(uint8_t* data, size_t size, const std::string& key, bool enciphering) {
    if (key.empty()) return;
    size_t k = 0;
    for (size_t i = 0; i < size; ++i) {
        if (k == key.size()) k = 0;
        const uint8_t c = static_cast<uint8_t>(key[k++]);
        const bool add = ((c & 1) != 0) == enciphering;
        data[i] = static_cast<uint8_t>(add ? data[i] + c : data[i] - c);
    }
}

std::shared_ptr<MemoryBlock> cipherInPlace(std::shared_ptr<MemoryBlock> data, const std::string& password,
                                           bool enciphering) {
    if (!data) return data;
    const std::string key = keyBytes(password);
    shiftBytes(data->bytes().data(), data->bytes().size(), key, enciphering);
    return data;
}

}  // namespace

std::shared_ptr<MemoryBlock> EncryptionKey(const std::string& password) {
    return MemoryBlock::FromString(keyBytes(password));
}

std::shared_ptr<MemoryBlock> Encrypt(std::shared_ptr<MemoryBlock> data, const std::string& password) {
    return cipherInPlace(std::move(data), password, true);
}

std::shared_ptr<MemoryBlock> Decrypt(std::shared_ptr<MemoryBlock> data, const std::string& password) {
    return cipherInPlace(std::move(data), password, false);
}

}  // namespace BDictionary
