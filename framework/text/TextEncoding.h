#pragma once
// Text encodings as the old framework numbered them. Strings in this system
// are UTF-8; encoded bytes of other kinds appear only where old files and
// stored preference values carry them (a Variant string keeps its bytes and
// the code of their encoding, and never converts them on its own).
#include <cstdint>
#include <memory>
#include <string>

namespace EncodingCode {
constexpr int32_t None = -1;             // bytes with no known encoding
constexpr int32_t MacRoman = 0x00000000;
constexpr int32_t UTF16 = 0x00000100;    // with a byte-order mark, else big-endian
constexpr int32_t ISOLatin1 = 0x00000201;
constexpr int32_t WindowsLatin1 = 0x00000500;  // Windows-1252
constexpr int32_t ASCII = 0x00000600;
constexpr int32_t UTF8 = 0x08000100;
constexpr int32_t UTF16BE = 0x10000100;
constexpr int32_t UTF16LE = 0x14000100;
}  // namespace EncodingCode

class TextEncoding {
public:
    explicit TextEncoding(int32_t code) : code_(code) {}
    int32_t Code() const { return code_; }
    // The encoding's name, or "Unknown encoding 0x…" for a code this system
    // does not know (such codes are kept, only conversion refuses them).
    std::string Name() const;
    // True when ConvertEncoding can read and write this encoding.
    bool Convertible() const;
    bool operator==(const TextEncoding& other) const { return code_ == other.code_; }

private:
    int32_t code_;
};

namespace Encodings {
std::shared_ptr<TextEncoding> UTF8();
std::shared_ptr<TextEncoding> MacRoman();
std::shared_ptr<TextEncoding> WindowsLatin1();
std::shared_ptr<TextEncoding> UTF16();
// Every code gives an encoding object (unknown codes are kept as numbers);
// -1 means "no encoding" and gives nullptr.
std::shared_ptr<TextEncoding> GetFromCode(int32_t code);
}  // namespace Encodings

// Converts bytes from one encoding to another. Characters the target cannot
// hold become "?"; malformed input sequences become U+FFFD (or "?" in a
// single-byte target). When either side is not convertible, or the two are
// the same encoding, the bytes are returned unchanged.
std::string ConvertEncoding(const std::string& bytes, int32_t fromCode, int32_t toCode);

// Shorthands for the common cases.
std::string DecodeToUTF8(const std::string& bytes, int32_t fromCode);
std::string EncodeFromUTF8(const std::string& utf8, int32_t toCode);

// Text of unknown encoding from a file: UTF-16 in the mark's byte order when
// it opens with a UTF-16 byte-order mark, UTF-8 when the bytes are valid
// UTF-8 (a leading byte-order mark dropped), otherwise decoded from
// `fallbackCode` (Mac Roman for resource-fork text from the old platform,
// Windows-1252 for plain files).
std::string TextFromUnknownEncoding(const std::string& bytes, int32_t fallbackCode);

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUTF8(const std::string& bytes);
