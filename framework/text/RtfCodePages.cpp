#include "framework/text/RtfCodePages.h"

#include <array>
#include <string>

#include "framework/text/TextEncoding.h"
#include "framework/text/StringsUtf8.h"

namespace {

// The upper halves of the two code pages, taken once from the framework's
// encodings so that both agree on every byte.
using UpperHalf = std::array<char32_t, 128>;

UpperHalf upperHalf(int32_t encoding) {
    UpperHalf table{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        const std::string utf8 = DecodeToUTF8(std::string(1, static_cast<char>(b)), encoding);
        size_t pos = 0;
        table[b - 0x80] = utf8.empty() ? utf8::Replacement : utf8::next(utf8, pos);
    }
    return table;
}

}  // namespace

RtfCodePage codePageFromNumber(int32_t number) {
    return number == 10000 ? RtfCodePage::MacRoman : RtfCodePage::Windows1252;
}

char32_t decodeByte(uint8_t byte, RtfCodePage page) {
    static const UpperHalf macRoman = upperHalf(EncodingCode::MacRoman);
    static const UpperHalf windows1252 = upperHalf(EncodingCode::WindowsLatin1);
    if (byte < 0x80) return byte;
    return (page == RtfCodePage::MacRoman ? macRoman : windows1252)[byte - 0x80];
}
