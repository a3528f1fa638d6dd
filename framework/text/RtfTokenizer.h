#pragma once
// Splits RTF bytes into tokens. Bounded by construction: every call consumes
// at least one byte or reports the end, names and numbers have capped
// lengths, and nothing is read past the buffer.
#include <cstdint>
#include <string_view>

struct RtfToken {
    enum Kind {
        End,
        GroupOpen,
        GroupClose,
        ControlWord,    // name (letters only) with an optional number
        ControlSymbol,  // a backslash and one non-letter; a line end after it is '\n'
        HexByte,        // \'hh
        Text,           // bytes with no special meaning, never empty
    };
    Kind kind = End;
    std::string_view name;  // ControlWord name, or the Text bytes
    bool hasNumber = false;
    int32_t number = 0;     // clamped to the 32-bit range
    char symbol = 0;        // ControlSymbol
    uint8_t byte = 0;       // HexByte
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input) : in_(input) {}

    RtfToken next();
    // Skips up to `count` bytes of binary data (\binN); never past the end.
    void skipBytes(int64_t count);
    size_t position() const { return pos_; }

private:
    RtfToken controlAfterBackslash();

    std::string_view in_;
    size_t pos_ = 0;
};
