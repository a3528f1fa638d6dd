#include "framework/files/TextInputStream.h"
#include <algorithm>

TextInputStream::TextInputStream(const std::string& bytes, int32_t fallbackEncoding)
    : text_(TextFromUnknownEncoding(bytes, fallbackEncoding)), wasUtf8_(IsValidUTF8(bytes)) {}

std::string TextInputStream::ReadAll() {
    std::string rest = text_.substr(std::min(position_, text_.size()));
    position_ = text_.size();
    return rest;
}

std::string TextInputStream::ReadLine() {
    if (EndOfFile()) return {};
    const size_t end = text_.find_first_of("\r\n", position_);
    if (end == std::string::npos) return ReadAll();
    std::string line = text_.substr(position_, end - position_);
    position_ = end + 1;
    if (text_[end] == '\r' && position_ < text_.size() && text_[position_] == '\n') ++position_;
    return line;
}
