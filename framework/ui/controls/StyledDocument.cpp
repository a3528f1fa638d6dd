#include "framework/ui/controls/StyledDocument.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <unordered_map>
#include <vector>

#include "framework/ui/controls/StyledFormats.h"

namespace {

// Qt's characters that are not text: the object replacement character
// (images) and the frame marks of tables.
bool isObjectMark(char32_t c) { return c == 0xFFFC || (c >= 0xFDD0 && c <= 0xFDEF); }

bool isParagraphMark(char32_t c) { return c == 0x2028 || c == 0x2029; }

// Formats of the styles met so far: a recipe uses a handful of styles over
// many runs, and resolving a font looks through the installed families.
class FormatCache {
public:
    const QTextCharFormat& formatFor(const TextStyle& style) {
        for (const auto& [known, format] : entries_)
            if (known == style) return format;
        if (entries_.size() >= kLargest) entries_.erase(entries_.begin());
        entries_.emplace_back(style, charFormatFor(style));
        return entries_.back().second;
    }

private:
    static constexpr size_t kLargest = 32;
    std::vector<std::pair<TextStyle, QTextCharFormat>> entries_;
};

// The runs of `text` at the cursor. The first paragraph goes into the
// cursor's block; every CR opens a block with the next paragraph's alignment.
void insertRuns(QTextCursor& cursor, const StyledText& text) {
    const std::u32string& chars = text.Characters();
    size_t paragraph = 0;
    FormatCache formats;
    for (size_t i = 0; i < text.RunCount(); ++i) {
        const StyleRun run = text.Run(i);
        const QTextCharFormat format = formats.formatFor(run.Style);
        const size_t end = run.Start + run.Length;
        for (size_t pos = run.Start; pos < end;) {
            size_t cr = chars.find(U'\r', pos);
            if (cr == std::u32string::npos || cr > end) cr = end;
            if (cr > pos) cursor.insertText(QString::fromUcs4(chars.data() + pos, static_cast<qsizetype>(cr - pos)), format);
            if (cr < end) {
                ++paragraph;
                cursor.insertBlock(blockFormatFor(text.Alignment(paragraph)), format);
            }
            pos = cr < end ? cr + 1 : end;
        }
    }
}

// Builds the parts of a StyledText, adding a run only where the style changes.
class PartsBuilder {
public:
    void add(char32_t c, const TextStyle& style) {
        if (parts_.runStarts.empty() || !(parts_.runStarts.back().second == style))
            parts_.runStarts.emplace_back(parts_.text.size(), style);
        parts_.text.push_back(c);
    }
    void paragraph(TextAlignment alignment) { parts_.alignments.push_back(alignment); }
    StyledText finish(const TextStyle& emptyStyle) {
        parts_.emptyStyle = emptyStyle;
        return StyledText::fromParts(std::move(parts_));
    }

private:
    StyledText::Parts parts_;
};

void addFragment(PartsBuilder& out, const QString& text, const TextStyle& style, TextAlignment alignment) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(static_cast<char16_t>(c), text[++i].unicode());
        if (isObjectMark(c)) continue;
        if (isParagraphMark(c)) {
            out.add(U'\r', style);
            out.paragraph(alignment);
            continue;
        }
        out.add(c, style);
    }
}

// The cursor's block takes the alignment and keeps its other settings.
void alignBlock(QTextCursor& cursor, TextAlignment alignment) {
    QTextBlockFormat format = cursor.blockFormat();
    format.clearProperty(QTextFormat::BlockAlignment);
    format.merge(blockFormatFor(alignment));
    cursor.setBlockFormat(format);
}

struct Piece {
    int from, to;
    QTextCharFormat format;
};

}  // namespace

void loadStyledText(QTextDocument& document, const StyledText& text) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setBlockFormat(blockFormatFor(text.Alignment(0)));
    cursor.setBlockCharFormat(charFormatFor(text.StyleAt(0)));
    cursor.setCharFormat(charFormatFor(text.StyleAt(0)));
    insertRuns(cursor, text);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undo);
}

void insertStyledText(QTextCursor& cursor, const StyledText& text) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // A paragraph pasted at the start of one begins it, so it brings its
    // alignment; pasted into the middle of one, it takes that one's.
    if (cursor.atBlockStart()) alignBlock(cursor, text.Alignment(0));
    insertRuns(cursor, text);
    cursor.endEditBlock();
}

StyledText styledTextOf(const QTextDocument& document, const TextStyle& fallback) {
    PartsBuilder out;
    // The document numbers its distinct formats; each is read once.
    std::unordered_map<int, TextStyle> styles;
    auto styleOfFragment = [&](const QTextFragment& fragment) -> const TextStyle& {
        auto [it, added] = styles.try_emplace(fragment.charFormatIndex());
        if (added) it->second = styleOf(fragment.charFormat(), fallback);
        return it->second;
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const TextAlignment alignment = alignmentOf(block.blockFormat());
        // The break before a block carries the block's own character format.
        if (block != document.begin()) out.add(U'\r', styleOf(block.charFormat(), fallback));
        out.paragraph(alignment);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid()) addFragment(out, fragment.text(), styleOfFragment(fragment), alignment);
        }
    }
    return out.finish(styleOf(document.begin().charFormat(), fallback));
}

TextStyle styleAtPosition(const QTextDocument& document, int position, const TextStyle& fallback) {
    const QTextBlock block = document.findBlock(position);
    if (!block.isValid()) return styleOf(document.begin().charFormat(), fallback);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(position)) return styleOf(fragment.charFormat(), fallback);
    }
    // The break that ends the block carries the next block's format.
    const QTextBlock next = block.next();
    return styleOf((next.isValid() ? next : block).charFormat(), fallback);
}

void changeCharacterStyle(QTextDocument& document, int from, int to, const TextStyle& fallback,
                          const std::function<void(TextStyle&)>& change) {
    // Collected first: changing a format splits and merges the fragments
    // being walked.
    std::vector<Piece> pieces;
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() < to; block = block.next()) {
        const int breakBefore = block.position() - 1;
        if (block != document.begin() && breakBefore >= from) pieces.push_back({breakBefore, breakBefore + 1, block.charFormat()});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int start = std::max(fragment.position(), from);
            const int end = std::min(fragment.position() + fragment.length(), to);
            if (start < end) pieces.push_back({start, end, fragment.charFormat()});
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const Piece& piece : pieces) {
        TextStyle style = styleOf(piece.format, fallback);
        change(style);
        cursor.setPosition(piece.from);
        cursor.setPosition(piece.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(charFormatFor(style));
    }
    cursor.endEditBlock();
}

void setParagraphAlignment(QTextDocument& document, int from, int to, TextAlignment alignment) {
    const QTextBlock first = document.findBlock(from);
    const QTextBlock last = document.findBlock(std::max(from, to - 1));
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        alignBlock(cursor, alignment);
        if (block == last) break;
    }
    cursor.endEditBlock();
}
