#include "framework/text/TextEncoding.h"

#include <array>
#include <cstdio>

#include "framework/text/StringsUtf8.h"

namespace {

// Upper halves (0x80-0xFF) of the two single-byte encodings old files use.
// Mac Roman as revised for the euro sign (0xDB); Windows-1252 with its five
// unassigned bytes mapped to the C1 controls of the same value, as Windows
// itself decodes them, so every byte survives a round trip.
constexpr std::array<char16_t, 128> macRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, 0x00E0, 0x00E2, 0x00E4, 0x00E3,
    0x00E5, 0x00E7, 0x00E9, 0x00E8, 0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, 0x2020, 0x00B0, 0x00A2, 0x00A3,
    0x00A7, 0x2022, 0x00B6, 0x00DF, 0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, 0x220F, 0x03C0, 0x222B, 0x00AA,
    0x00BA, 0x03A9, 0x00E6, 0x00F8, 0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, 0x2013, 0x2014, 0x201C, 0x201D,
    0x2018, 0x2019, 0x00F7, 0x25CA, 0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, 0x00CB, 0x00C8, 0x00CD, 0x00CE,
    0x00CF, 0x00CC, 0x00D3, 0x00D4, 0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7};

constexpr std::array<char16_t, 32> windows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t singleByteToUnicode(unsigned char b, int32_t code) {
    if (b < 0x80) return b;
    switch (code) {
    case EncodingCode::MacRoman: return macRomanHigh[b - 0x80];
    case EncodingCode::WindowsLatin1: return b < 0xA0 ? windows1252C1[b - 0x80] : b;
    case EncodingCode::ISOLatin1: return b;
    default: return utf8::Replacement;  // ASCII: bytes above 0x7F are not text
    }
}

// Returns -1 when the encoding cannot hold the character.
int unicodeToSingleByte(char32_t cp, int32_t code) {
    if (cp < 0x80) return static_cast<int>(cp);
    if (code == EncodingCode::ISOLatin1) return cp <= 0xFF ? static_cast<int>(cp) : -1;
    if (code == EncodingCode::WindowsLatin1 && cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
    if (code == EncodingCode::MacRoman) {
        for (size_t i = 0; i < macRomanHigh.size(); ++i)
            if (macRomanHigh[i] == cp) return static_cast<int>(0x80 + i);
    }
    if (code == EncodingCode::WindowsLatin1) {
        for (size_t i = 0; i < windows1252C1.size(); ++i)
            if (windows1252C1[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

bool isSingleByte(int32_t code) {
    return code == EncodingCode::MacRoman || code == EncodingCode::WindowsLatin1 ||
           code == EncodingCode::ISOLatin1 || code == EncodingCode::ASCII;
}

bool isUTF16(int32_t code) {
    return code == EncodingCode::UTF16 || code == EncodingCode::UTF16BE || code == EncodingCode::UTF16LE;
}

std::vector<char32_t> decodeUTF16(const std::string& bytes, int32_t code) {
    bool bigEndian = code != EncodingCode::UTF16LE;
    size_t pos = 0;
    if (code == EncodingCode::UTF16 && bytes.size() >= 2) {
        auto b0 = static_cast<unsigned char>(bytes[0]), b1 = static_cast<unsigned char>(bytes[1]);
        if (b0 == 0xFE && b1 == 0xFF) pos = 2;
        else if (b0 == 0xFF && b1 == 0xFE) { bigEndian = false; pos = 2; }
    }
    auto unit = [&](size_t at) -> char16_t {
        auto hi = static_cast<unsigned char>(bytes[bigEndian ? at : at + 1]);
        auto lo = static_cast<unsigned char>(bytes[bigEndian ? at + 1 : at]);
        return static_cast<char16_t>(hi << 8 | lo);
    };
    std::vector<char32_t> out;
    for (; pos + 1 < bytes.size(); pos += 2) {
        char16_t u = unit(pos);
        if (u >= 0xD800 && u <= 0xDBFF && pos + 3 < bytes.size()) {
            char16_t low = unit(pos + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                pos += 2;
                continue;
            }
        }
        out.push_back(u >= 0xD800 && u <= 0xDFFF ? utf8::Replacement : u);
    }
    if (pos < bytes.size()) out.push_back(utf8::Replacement);  // odd trailing byte
    return out;
}

std::string encodeUTF16(const std::vector<char32_t>& cps, int32_t code) {
    const bool bigEndian = code != EncodingCode::UTF16LE;
    std::string out;
    auto put = [&](char32_t u) {
        char hi = static_cast<char>((u >> 8) & 0xFF), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (char32_t cp : cps) {
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

std::vector<char32_t> toCodePoints(const std::string& bytes, int32_t code) {
    if (code == EncodingCode::UTF8) return utf8::decode(bytes);
    if (isUTF16(code)) return decodeUTF16(bytes, code);
    std::vector<char32_t> out;
    out.reserve(bytes.size());
    for (char c : bytes) out.push_back(singleByteToUnicode(static_cast<unsigned char>(c), code));
    return out;
}

std::string fromCodePoints(const std::vector<char32_t>& cps, int32_t code) {
    if (code == EncodingCode::UTF8) return utf8::encode(cps);
    if (isUTF16(code)) return encodeUTF16(cps, code);
    std::string out;
    out.reserve(cps.size());
    for (char32_t cp : cps) {
        int b = unicodeToSingleByte(cp, code);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

}  // namespace

std::string TextEncoding::Name() const {
    switch (code_) {
    case EncodingCode::MacRoman: return "Mac Roman";
    case EncodingCode::UTF16: return "UTF-16";
    case EncodingCode::ISOLatin1: return "ISO Latin 1";
    case EncodingCode::WindowsLatin1: return "Windows Latin 1";
    case EncodingCode::ASCII: return "ASCII";
    case EncodingCode::UTF8: return "UTF-8";
    case EncodingCode::UTF16BE: return "UTF-16BE";
    case EncodingCode::UTF16LE: return "UTF-16LE";
    default: {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "Unknown encoding 0x%08X", static_cast<unsigned>(code_));
        return buffer;
    }
    }
}

bool TextEncoding::Convertible() const {
    return code_ == EncodingCode::UTF8 || isUTF16(code_) || isSingleByte(code_);
}

namespace Encodings {
std::shared_ptr<TextEncoding> UTF8() { return std::make_shared<TextEncoding>(EncodingCode::UTF8); }
std::shared_ptr<TextEncoding> MacRoman() { return std::make_shared<TextEncoding>(EncodingCode::MacRoman); }
std::shared_ptr<TextEncoding> WindowsLatin1() {
    return std::make_shared<TextEncoding>(EncodingCode::WindowsLatin1);
}
std::shared_ptr<TextEncoding> UTF16() { return std::make_shared<TextEncoding>(EncodingCode::UTF16); }
std::shared_ptr<TextEncoding> GetFromCode(int32_t code) {
    if (code == EncodingCode::None) return nullptr;
    return std::make_shared<TextEncoding>(code);
}
}  // namespace Encodings

std::string ConvertEncoding(const std::string& bytes, int32_t fromCode, int32_t toCode) {
    if (fromCode == toCode || !TextEncoding(fromCode).Convertible() || !TextEncoding(toCode).Convertible())
        return bytes;
    return fromCodePoints(toCodePoints(bytes, fromCode), toCode);
}

std::string DecodeToUTF8(const std::string& bytes, int32_t fromCode) {
    return ConvertEncoding(bytes, fromCode, EncodingCode::UTF8);
}

std::string EncodeFromUTF8(const std::string& utf8Text, int32_t toCode) {
    return ConvertEncoding(utf8Text, EncodingCode::UTF8, toCode);
}

bool IsValidUTF8(const std::string& bytes) {
    for (size_t pos = 0; pos < bytes.size();) {
        bool valid = true;
        utf8::next(bytes, pos, &valid);
        if (!valid) return false;
    }
    return true;
}

std::string TextFromUnknownEncoding(const std::string& bytes, int32_t fallbackCode) {
    // A UTF-16 byte-order mark says the encoding outright (FF and FE never
    // occur in UTF-8); the decoder reads the mark's order and drops it.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return DecodeToUTF8(bytes, EncodingCode::UTF16);
    if (!IsValidUTF8(bytes)) return DecodeToUTF8(bytes, fallbackCode);
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return bytes.substr(3);
    return bytes;
}
