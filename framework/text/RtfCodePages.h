#pragma once
// The single-byte code pages RTF text arrives in: \'hh escapes and raw
// 8-bit bytes are decoded by the document's code page (\ansi, \ansicpgN,
// \mac) or the font's character set.
#include <cstdint>

enum class RtfCodePage { Windows1252, MacRoman };

// The code page an \ansicpgN or \cpgN number names. Pages this reader has
// no table for fall back to Windows-1252, which keeps ASCII and most Latin
// letters right.
RtfCodePage codePageFromNumber(int32_t number);

char32_t decodeByte(uint8_t byte, RtfCodePage page);
