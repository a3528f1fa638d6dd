// Character-level string functions: lengths, slices, case, trimming.
#include "framework/text/StringsQt.h"

#include "framework/text/Strings.h"
#include "framework/text/StringsUtf8.h"

namespace {

std::string bytesSlice(const std::string& s, int64_t startIndex, int64_t count) {
    if (startIndex < 0) startIndex = 0;
    if (count <= 0 || startIndex >= static_cast<int64_t>(s.size())) return "";
    return s.substr(static_cast<size_t>(startIndex), static_cast<size_t>(count));
}

bool isBlank(char32_t c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0xA0;
}

}  // namespace

int32_t Len(const std::string& s) { return static_cast<int32_t>(utf8::length(s)); }
int32_t LenB(const std::string& s) { return static_cast<int32_t>(s.size()); }

std::string Left(const std::string& s, int32_t count) {
    if (count <= 0) return "";
    return s.substr(0, utf8::byteOffset(s, static_cast<size_t>(count)));
}

std::string Right(const std::string& s, int32_t count) {
    if (count <= 0) return "";
    const int32_t length = Len(s);
    if (count >= length) return s;
    return s.substr(utf8::byteOffset(s, static_cast<size_t>(length - count)));
}

std::string Mid(const std::string& s, int32_t start, int32_t count) {
    if (start < 1) start = 1;
    if (count == 0) return "";
    const size_t from = utf8::byteOffset(s, static_cast<size_t>(start - 1));
    if (count < 0) return s.substr(from);
    const std::string_view rest = std::string_view(s).substr(from);
    return std::string(rest.substr(0, utf8::byteOffset(rest, static_cast<size_t>(count))));
}

std::string LeftB(const std::string& s, int32_t count) { return bytesSlice(s, 0, count); }

std::string RightB(const std::string& s, int32_t count) {
    if (count <= 0) return "";
    const int64_t size = static_cast<int64_t>(s.size());
    return count >= size ? s : s.substr(static_cast<size_t>(size - count));
}

std::string MidB(const std::string& s, int32_t start, int32_t count) {
    if (start < 1) start = 1;
    if (count < 0) count = static_cast<int32_t>(s.size());
    return bytesSlice(s, start - 1, count);
}

int32_t Asc(const std::string& s) {
    if (s.empty()) return 0;
    size_t pos = 0;
    return static_cast<int32_t>(utf8::next(s, pos));
}

int32_t AscB(const std::string& s) { return s.empty() ? 0 : static_cast<unsigned char>(s[0]); }

std::string Chr(int32_t codePoint) {
    if (codePoint < 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return "";
    std::string out;
    utf8::append(out, static_cast<char32_t>(codePoint));
    return out;
}

std::string ChrB(int32_t byte) { return std::string(1, static_cast<char>(byte & 0xFF)); }

std::string LTrim(const std::string& s) {
    size_t pos = 0;
    while (pos < s.size()) {
        size_t next = pos;
        if (!isBlank(utf8::next(s, next))) break;
        pos = next;
    }
    return s.substr(pos);
}

std::string RTrim(const std::string& s) {
    // Scan forward, remembering where the last non-blank character ended.
    size_t end = 0;
    for (size_t pos = 0; pos < s.size();) {
        const char32_t c = utf8::next(s, pos);
        if (!isBlank(c)) end = pos;
    }
    return s.substr(0, end);
}

std::string Trim(const std::string& s) { return RTrim(LTrim(s)); }

std::string Lowercase(const std::string& s) {
    if (utf8::isAscii(s)) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        return out;
    }
    return toQString(s).toLower().toStdString();
}

std::string Uppercase(const std::string& s) {
    if (utf8::isAscii(s)) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return out;
    }
    return toQString(s).toUpper().toStdString();
}

std::string Titlecase(const std::string& s) {
    QString text = toQString(s).toLower();
    bool startOfWord = true;
    for (QChar& c : text) {
        if (c.isLetterOrNumber()) {
            if (startOfWord) c = c.toTitleCase();
            startOfWord = false;
        } else {
            startOfWord = true;
        }
    }
    return text.toStdString();
}
