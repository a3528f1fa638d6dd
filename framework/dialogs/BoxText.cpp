#include "framework/dialogs/BoxText.h"

#include "framework/dialogs/DisplayText.h"

namespace {

// The first `count` characters, never cutting a surrogate pair in two.
QString headOf(const QString& text, int count) {
    if (text.size() <= count) return text;
    if (count > 0 && text.at(count - 1).isHighSurrogate()) --count;
    return text.left(count);
}

// Breaks every run longer than kBoxTextLineCharacters that holds no white
// space, so the label can wrap it within the screen.
QString breakLongRuns(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / kBoxTextLineCharacters);
    int run = 0;
    for (QChar c : text) {
        if (c.isSpace()) run = 0;
        else if (++run > kBoxTextLineCharacters && !c.isLowSurrogate()) {
            out += QChar('\n');
            run = 1;
        }
        out += c;
    }
    return out;
}

}  // namespace

BoxText boxText(const std::string& text) {
    BoxText box;
    const QString whole = toDisplayText(text);
    if (whole.size() <= kBoxTextCharacters) {
        box.shown = breakLongRuns(whole);
        return box;
    }
    box.shown = breakLongRuns(headOf(whole, kBoxTextCharacters)) + QStringLiteral("\u2026");
    box.details = headOf(whole, kBoxDetailsCharacters);
    if (box.details.size() < whole.size())
        box.details += QStringLiteral("\u2026\n(%1 more characters)").arg(whole.size() - box.details.size());
    return box;
}
