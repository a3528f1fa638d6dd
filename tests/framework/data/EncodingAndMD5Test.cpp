#include <gtest/gtest.h>

#include "framework/data/MD5.h"
#include "framework/text/TextEncoding.h"

TEST(TextEncoding, SingleByteEncodingsRoundTripEveryByte) {
    for (int32_t code : {EncodingCode::MacRoman, EncodingCode::WindowsLatin1}) {
        std::string all;
        for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
        const std::string utf8 = DecodeToUTF8(all, code);
        EXPECT_TRUE(IsValidUTF8(utf8));
        EXPECT_EQ(EncodeFromUTF8(utf8, code), all) << code;
    }
}

TEST(TextEncoding, KnownCharactersOfOldFiles) {
    EXPECT_EQ(DecodeToUTF8("\x8E\xA5\xDB\xD2\xD3", EncodingCode::MacRoman), "é•€“”");
    EXPECT_EQ(DecodeToUTF8("\xE9\x95\x80\x93\x94", EncodingCode::WindowsLatin1), "é•€“”");
    EXPECT_EQ(EncodeFromUTF8("a→b", EncodingCode::MacRoman), "a?b");  // not in the target
    EXPECT_EQ(EncodeFromUTF8("Ω", EncodingCode::MacRoman), "\xBD");
}

TEST(TextEncoding, TextOfUnknownEncodingIsUTF8WhenValidElseTheFallback) {
    EXPECT_EQ(TextFromUnknownEncoding("\xEF\xBB\xBF" "caf\xC3\xA9", EncodingCode::MacRoman), "café");
    EXPECT_EQ(TextFromUnknownEncoding("caf\x8E", EncodingCode::MacRoman), "café");
    EXPECT_EQ(TextFromUnknownEncoding("caf\xE9", EncodingCode::WindowsLatin1), "café");
    EXPECT_EQ(TextFromUnknownEncoding("", EncodingCode::MacRoman), "");
}

TEST(TextEncoding, UTF16BothOrdersAndSurrogates) {
    const std::string text = "Ä😀";
    const std::string be = EncodeFromUTF8(text, EncodingCode::UTF16BE);
    EXPECT_EQ(be, std::string("\x00\xC4\xD8\x3D\xDE\x00", 6));
    EXPECT_EQ(DecodeToUTF8(be, EncodingCode::UTF16BE), text);
    EXPECT_EQ(DecodeToUTF8(EncodeFromUTF8(text, EncodingCode::UTF16LE), EncodingCode::UTF16LE), text);
    EXPECT_EQ(DecodeToUTF8(std::string("\xFF\xFE\x41\x00", 4), EncodingCode::UTF16), "A");  // BOM decides
    EXPECT_EQ(DecodeToUTF8(std::string("\xD8\x3D", 2), EncodingCode::UTF16BE), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(TextEncoding, CodesAndValidity) {
    EXPECT_EQ(EncodingCode::UTF8, 134217984);
    EXPECT_EQ(Encodings::GetFromCode(-1), nullptr);
    EXPECT_EQ(Encodings::GetFromCode(0x08000100)->Name(), "UTF-8");
    EXPECT_FALSE(Encodings::GetFromCode(0x1234)->Convertible());
    EXPECT_EQ(ConvertEncoding("\x80", 0x1234, EncodingCode::UTF8), "\x80");  // unknown: bytes untouched
    EXPECT_TRUE(IsValidUTF8("plain é 😀"));
    EXPECT_FALSE(IsValidUTF8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsValidUTF8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUTF8("\xE2\x82"));          // cut short
    EXPECT_FALSE(IsValidUTF8("\xF4\x90\x80\x80"));  // above U+10FFFF
}

TEST(MD5, RFC1321TestSuite) {
    const std::pair<const char*, const char*> vectors[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"}};
    for (const auto& [input, digest] : vectors) {
        const std::string raw = MD5(input);
        EXPECT_EQ(raw.size(), 16u);
        EXPECT_EQ(EncodeHex(raw), digest) << input;
    }
    EXPECT_EQ(EncodeHex(MD5(std::string("\0", 1))), "93b885adfe0da089cdf634904fd59f71");
}
