#pragma once
// Text read from a file that does not say its encoding. The whole file is
// decoded once when opened: valid UTF-8 is taken as it is (a leading
// byte-order mark dropped), as is text behind a UTF-16 byte-order mark
// (either order); anything else was written by an older program
// and is decoded with the fallback encoding: Windows-1252 by default for
// plain files, Mac Roman for files known to come from the old platform. Every byte decodes to
// something, so reading never fails on odd input.
#include <cstdint>
#include <string>

#include "framework/text/TextEncoding.h"

class TextInputStream {
public:
    // `fallbackEncoding` is an EncodingCode (Windows-1252 or Mac Roman).
    explicit TextInputStream(const std::string& bytes, int32_t fallbackEncoding = EncodingCode::WindowsLatin1);

    // Everything from the current position to the end.
    std::string ReadAll();
    // The next line without its end (CR, LF or CR LF); "" at the end.
    std::string ReadLine();
    bool EndOfFile() const { return position_ >= text_.size(); }
    void Close() {}

    // Whether the file was valid UTF-8 (otherwise it was UTF-16 behind its
    // mark, or the fallback was used).
    bool WasUtf8() const { return wasUtf8_; }

private:
    std::string text_;
    size_t position_ = 0;
    bool wasUtf8_;
};
