#include "framework/ui/controls/TextPositions.h"

#include <algorithm>

QString editorTextFromFramework(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}

std::string frameworkTextFromRaw(const QString& raw) {
    QString s;
    s.reserve(raw.size());
    for (QChar ch : raw) {
        char16_t u = ch.unicode();
        if (u == 0x2029 || u == 0x2028 || u == u'\n') s.append(QChar('\r'));
        else if (u != 0xFFFC) s.append(ch);
    }
    return s.toStdString();
}

int32_t codePointsBefore(const QString& text, int utf16Position) {
    utf16Position = std::clamp(utf16Position, 0, static_cast<int>(text.size()));
    int32_t count = 0;
    for (int i = 0; i < utf16Position; ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        ++count;
    }
    return count;
}

int utf16PositionOf(const QString& text, int32_t codePoints) {
    int i = 0;
    for (int32_t n = 0; n < codePoints && i < text.size(); ++n) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        ++i;
    }
    return i;
}

int32_t characterCount(const std::string& utf8) {
    int32_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}
