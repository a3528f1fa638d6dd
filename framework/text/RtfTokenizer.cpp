#include "framework/text/RtfTokenizer.h"

#include <algorithm>

namespace {

constexpr size_t MaxNameLength = 32;   // the longest RTF control word is shorter
constexpr int MaxNumberDigits = 10;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

RtfToken RtfTokenizer::next() {
    RtfToken token;
    if (pos_ >= in_.size()) return token;
    const char c = in_[pos_];
    if (c == '{') {
        ++pos_;
        token.kind = RtfToken::GroupOpen;
    } else if (c == '}') {
        ++pos_;
        token.kind = RtfToken::GroupClose;
    } else if (c == '\\') {
        ++pos_;
        return controlAfterBackslash();
    } else {
        const size_t start = pos_;
        while (pos_ < in_.size() && in_[pos_] != '{' && in_[pos_] != '}' && in_[pos_] != '\\') ++pos_;
        token.kind = RtfToken::Text;
        token.name = in_.substr(start, pos_ - start);
    }
    return token;
}

RtfToken RtfTokenizer::controlAfterBackslash() {
    RtfToken token;
    if (pos_ >= in_.size()) return token;  // a lone backslash at the end
    const char c = in_[pos_];
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\'') {
            if (pos_ + 2 <= in_.size() && hexValue(in_[pos_]) >= 0 && hexValue(in_[pos_ + 1]) >= 0) {
                token.kind = RtfToken::HexByte;
                token.byte = static_cast<uint8_t>(hexValue(in_[pos_]) * 16 + hexValue(in_[pos_ + 1]));
                pos_ += 2;
                return token;
            }
            // A broken \' stands for nothing; what follows is read as usual.
            token.kind = RtfToken::ControlSymbol;
            token.symbol = '\'';
            return token;
        }
        token.kind = RtfToken::ControlSymbol;
        token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
        if (c == '\r' && pos_ < in_.size() && in_[pos_] == '\n') ++pos_;
        return token;
    }
    const size_t start = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    token.kind = RtfToken::ControlWord;
    token.name = in_.substr(start, std::min(pos_ - start, MaxNameLength));
    bool negative = false;
    if (pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    int64_t value = 0;
    int digits = 0;
    while (pos_ < in_.size() && isDigit(in_[pos_])) {
        if (digits++ < MaxNumberDigits) value = value * 10 + (in_[pos_] - '0');
        ++pos_;
    }
    if (digits > 0) {
        token.hasNumber = true;
        value = negative ? -value : value;
        token.number = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting space belongs to the word
    return token;
}

void RtfTokenizer::skipBytes(int64_t count) {
    if (count <= 0) return;
    const auto left = static_cast<int64_t>(in_.size() - pos_);
    pos_ += static_cast<size_t>(std::min(count, left));
}
