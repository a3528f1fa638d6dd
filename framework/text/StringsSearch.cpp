// Case-blind searching: InStr, CountFields, NthField, Replace, ReplaceAll.
// Every function here finds text through one routine, so they all agree on
// what "equal ignoring case" means.
#include "framework/text/StringsQt.h"
#include <vector>

#include "framework/text/Strings.h"
#include "framework/text/StringsUtf8.h"

namespace {

struct Match {
    size_t begin, end;  // byte offsets in the searched text
};

// Every non-overlapping match from byte `from` on, or only the first.
std::vector<Match> findAscii(const std::string& text, const std::string& find, size_t from, bool all) {
    std::vector<Match> out;
    for (size_t i = from; i + find.size() <= text.size();) {
        size_t k = 0;
        while (k < find.size() && utf8::asciiLower(text[i + k]) == utf8::asciiLower(find[k])) ++k;
        if (k < find.size()) {
            ++i;
            continue;
        }
        out.push_back({i, i + find.size()});
        if (!all) break;
        i += find.size();
    }
    return out;
}

// Text as UTF-16 for Qt's case-blind search, with the byte offset of every
// UTF-16 unit (plus one past the end) so a match maps back to bytes even
// when the text holds malformed UTF-8.
struct Utf16View {
    QString text;
    std::vector<size_t> byteOfUnit;
};

Utf16View toUtf16(const std::string& s) {
    Utf16View view;
    for (size_t pos = 0; pos < s.size();) {
        const size_t at = pos;
        const char32_t cp = utf8::next(s, pos);
        if (cp >= 0x10000) {
            view.text += QChar(QChar::highSurrogate(cp));
            view.text += QChar(QChar::lowSurrogate(cp));
            view.byteOfUnit.push_back(at);
            view.byteOfUnit.push_back(at);
        } else {
            view.text += QChar(static_cast<char16_t>(cp));
            view.byteOfUnit.push_back(at);
        }
    }
    view.byteOfUnit.push_back(s.size());
    return view;
}

std::vector<Match> findCaseBlind(const std::string& text, const std::string& find, size_t from, bool all) {
    if (find.empty() || from > text.size()) return {};
    if (utf8::isAscii(text) && utf8::isAscii(find)) return findAscii(text, find, from, all);
    const Utf16View hay = toUtf16(text);
    const QString needle = toUtf16(find).text;
    qsizetype start = 0;
    while (start < hay.text.size() && hay.byteOfUnit[static_cast<size_t>(start)] < from) ++start;
    std::vector<Match> out;
    for (qsizetype at; (at = hay.text.indexOf(needle, start, Qt::CaseInsensitive)) >= 0;) {
        out.push_back({hay.byteOfUnit[static_cast<size_t>(at)], hay.byteOfUnit[static_cast<size_t>(at + needle.size())]});
        if (!all) break;
        start = at + needle.size();
    }
    return out;
}

std::vector<Match> findExact(const std::string& text, const std::string& find, bool all) {
    std::vector<Match> out;
    if (find.empty()) return out;
    for (size_t at = 0; (at = text.find(find, at)) != std::string::npos; at += find.size()) {
        out.push_back({at, at + find.size()});
        if (!all) break;
    }
    return out;
}

int32_t characterPosition(const std::string& s, size_t byteOffset) {
    return static_cast<int32_t>(utf8::length(std::string_view(s).substr(0, byteOffset))) + 1;
}

std::string replace(const std::string& s, const std::vector<Match>& matches, const std::string& replacement) {
    std::string out;
    size_t from = 0;
    for (const Match& m : matches) {
        out.append(s, from, m.begin - from);
        out += replacement;
        from = m.end;
    }
    out.append(s, from);
    return out;
}

}  // namespace

int32_t InStr(const std::string& s, const std::string& find) { return InStr(1, s, find); }

int32_t InStr(int32_t start, const std::string& s, const std::string& find) {
    if (start < 1) start = 1;
    const size_t from = utf8::byteOffset(s, static_cast<size_t>(start - 1));
    if (start > 1 && from >= s.size()) return 0;
    const std::vector<Match> m = findCaseBlind(s, find, from, false);
    return m.empty() ? 0 : characterPosition(s, m.front().begin);
}

int32_t InStrB(const std::string& s, const std::string& find) { return InStrB(1, s, find); }

int32_t InStrB(int32_t start, const std::string& s, const std::string& find) {
    if (start < 1) start = 1;
    if (find.empty() || static_cast<size_t>(start - 1) >= s.size()) return 0;
    const size_t at = s.find(find, static_cast<size_t>(start - 1));
    return at == std::string::npos ? 0 : static_cast<int32_t>(at) + 1;
}

int32_t CountFields(const std::string& s, const std::string& separator) {
    if (s.empty()) return 0;
    return static_cast<int32_t>(findCaseBlind(s, separator, 0, true).size()) + 1;
}

std::string NthField(const std::string& s, const std::string& separator, int32_t index) {
    if (index < 1 || s.empty()) return "";
    const std::vector<Match> m = findCaseBlind(s, separator, 0, true);
    if (static_cast<size_t>(index) > m.size() + 1) return "";
    const size_t begin = index == 1 ? 0 : m[static_cast<size_t>(index) - 2].end;
    const size_t end = static_cast<size_t>(index) <= m.size() ? m[static_cast<size_t>(index) - 1].begin : s.size();
    return s.substr(begin, end - begin);
}

std::string Replace(const std::string& s, const std::string& find, const std::string& replacement) {
    return replace(s, findCaseBlind(s, find, 0, false), replacement);
}

std::string ReplaceAll(const std::string& s, const std::string& find, const std::string& replacement) {
    return replace(s, findCaseBlind(s, find, 0, true), replacement);
}

std::string ReplaceAllB(const std::string& s, const std::string& find, const std::string& replacement) {
    return replace(s, findExact(s, find, true), replacement);
}
