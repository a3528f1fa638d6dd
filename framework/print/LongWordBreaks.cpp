#include "framework/print/LongWordBreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <vector>

namespace {

// A word shorter than this costs little however it is laid out.
constexpr int kLongWord = 1000;

// Letters and digits of the Latin alphabets: a line never breaks between two of them.
bool isPlainLetter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
    return u >= 0xC0 && u <= 0x24F && u != 0xD7 && u != 0xF7;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Whether a line may break before `at`: at the paragraph's start, after a
// line separator, or after blanks that follow a letter, a digit or a
// sentence mark. (Blanks after an opening bracket keep the next word with
// it, and blanks at a line's start belong to it.)
bool mayBreakBefore(const QString& text, int at) {
    if (at == 0 || text[at - 1] == QChar::LineSeparator) return true;
    int before = at;
    while (before > 0 && isBlank(text[before - 1])) --before;
    if (before == at || before == 0) return false;
    const QChar c = text[before - 1];
    return isPlainLetter(c) || QStringView(u".,;:!?").contains(c);
}

struct LongWord {
    int start, length;  // in the document
};

// Whether the word ends there: at a blank, a line separator or the paragraph's end.
bool endsWord(const QString& text, int at) {
    return at == text.size() || isBlank(text[at]) || text[at] == QChar::LineSeparator;
}

// Whether [from, to) of the block is in one style. Qt gives every line of a
// word in several styles the height of styles further on in the word (it
// measures them before it breaks the word anywhere); only a word in one
// style is sure to keep its line heights when it is broken beforehand.
bool inOneStyle(const QTextBlock& block, int from, int to) {
    int style = -1;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment part = it.fragment();
        const int start = part.position() - block.position(), end = start + part.length();
        if (end <= from || start >= to) continue;
        if (style >= 0 && part.charFormatIndex() != style) return false;
        style = part.charFormatIndex();
    }
    return style >= 0;
}

std::vector<LongWord> longWordsOf(const QTextDocument& document) {
    std::vector<LongWord> words;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (int at = 0; at < text.size();) {
            if (!isPlainLetter(text[at])) {
                ++at;
                continue;
            }
            int end = at;
            while (end < text.size() && isPlainLetter(text[end])) ++end;
            if (end - at > kLongWord && mayBreakBefore(text, at) && endsWord(text, end) && inOneStyle(block, at, end))
                words.push_back({block.position() + at, end - at});
            at = end;
        }
    }
    return words;
}

// Where a line starts inside the word, relative to it, when the word starts
// a line of this width: the word alone in a document of the same defaults,
// wrapped anywhere, as Qt wraps a line whose first word does not fit.
std::vector<int> breaksInside(const QTextDocument& document, const LongWord& word, double width) {
    QTextCursor selection(const_cast<QTextDocument*>(&document));
    selection.setPosition(word.start);
    selection.setPosition(word.start + word.length, QTextCursor::KeepAnchor);
    QTextDocument alone;
    alone.setUndoRedoEnabled(false);
    alone.setDocumentMargin(document.documentMargin());
    alone.setDefaultFont(document.defaultFont());
    QTextOption anywhere = document.defaultTextOption();
    anywhere.setWrapMode(QTextOption::WrapAnywhere);
    alone.setDefaultTextOption(anywhere);
    QTextCursor(&alone).insertFragment(selection.selection());
    alone.setTextWidth(width);
    alone.size();  // lays it out
    const QTextLayout* lines = alone.begin().layout();
    std::vector<int> breaks;
    for (int i = 1; i < lines->lineCount(); ++i) breaks.push_back(lines->lineAt(i).textStart());
    return breaks;
}

}  // namespace

void breakLongWordsWhereTheyWrap(QTextDocument& document, double width) {
    const std::vector<LongWord> words = longWordsOf(document);
    if (words.empty()) return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    // From the end, so the positions still to come stay where they were.
    for (auto word = words.rbegin(); word != words.rend(); ++word) {
        const std::vector<int> breaks = breaksInside(document, *word, width);
        for (auto at = breaks.rbegin(); at != breaks.rend(); ++at) {
            cursor.setPosition(word->start + *at);
            cursor.insertText(QString(QChar::LineSeparator));  // in the style of the letter before
        }
    }
    cursor.endEditBlock();
}
