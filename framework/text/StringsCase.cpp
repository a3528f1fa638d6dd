// Case-blind comparison. ASCII text, by far the common case, is folded
// byte by byte; anything else goes through Qt's Unicode case folding.
#include "framework/text/StringsQt.h"
#include "framework/text/StringsUtf8.h"
#include <algorithm>

#include "framework/text/Strings.h"

namespace {

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

std::string CaseFold(const std::string& s) {
    if (utf8::isAscii(s)) {
        std::string out(s);
        for (char& c : out) c = utf8::asciiLower(c);
        return out;
    }
    return toQString(s).toCaseFolded().toStdString();
}

bool StrEq(const std::string& a, const std::string& b) {
    if (a == b) return true;
    if (utf8::isAscii(a) && utf8::isAscii(b)) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (utf8::asciiLower(a[i]) != utf8::asciiLower(b[i])) return false;
        return true;
    }
    return toQString(a).compare(toQString(b), Qt::CaseInsensitive) == 0;
}

int32_t StrComp(const std::string& a, const std::string& b, int32_t mode) {
    if (mode == 0) return sign(a.compare(b));
    if (utf8::isAscii(a) && utf8::isAscii(b)) {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const char x = utf8::asciiLower(a[i]), y = utf8::asciiLower(b[i]);
            if (x != y) return x < y ? -1 : 1;
        }
        return sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
    }
    return sign(toQString(a).compare(toQString(b), Qt::CaseInsensitive));
}
