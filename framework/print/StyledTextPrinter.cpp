#include "framework/print/StyledTextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPen>
#include <QPainter>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/print/LongWordBreaks.h"
#include "framework/text/StyledText.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StyledDocument.h"

namespace {

struct LineSpan {
    double top, bottom;  // in document coordinates
    QTextBlock block;    // the paragraph it belongs to
    int index;           // its number within the paragraph
};

// No ligatures on paper: "flour" set with the "fl" ligature is one glyph in
// the PDF, and the printed file's text then reads "our" to a search.
void printLetterByLetter(QTextDocument& doc) {
    QTextCharFormat letters;
    letters.setFontStyleStrategy(QFont::PreferNoShaping);
    QTextCursor all(&doc);
    all.select(QTextCursor::Document);
    all.mergeCharFormat(letters);
    QFont font = doc.defaultFont();
    font.setStyleStrategy(QFont::PreferNoShaping);
    doc.setDefaultFont(font);
}

}  // namespace

struct StyledTextPrinter::Layout {
    QTextDocument document;
    std::vector<LineSpan> lines;
};

StyledTextPrinter::StyledTextPrinter(const EditField& field, Graphics& graphics, int32_t width)
    : StyledTextPrinter(field.StyledText.get(), graphics, width) {}

StyledTextPrinter::StyledTextPrinter(const StyledText& text, Graphics& graphics, int32_t width)
    : graphics_(graphics), width_(std::max<int32_t>(width, 1)), layout_(std::make_unique<Layout>()) {
    QTextDocument& doc = layout_->document;
    doc.setUndoRedoEnabled(false);
    doc.setDocumentMargin(0);
    loadStyledText(doc, text);
    printLetterByLetter(doc);
    breakLongWordsWhereTheyWrap(doc, width_);
    doc.setTextWidth(width_);
    if (text.Length() == 0) return;
    // Every laid-out line in reading order, with where it sits.
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const double blockTop = doc.documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QRectF r = lines->lineAt(i).rect();
            layout_->lines.push_back({blockTop + r.top(), blockTop + r.bottom(), block, i});
        }
    }
}

StyledTextPrinter::~StyledTextPrinter() = default;

bool StyledTextPrinter::Eof() const { return nextLine_ >= layout_->lines.size(); }

size_t StyledTextPrinter::LineCount() const { return layout_->lines.size(); }

size_t StyledTextPrinter::blockEnd(size_t first, int32_t height) const {
    const std::vector<LineSpan>& lines = layout_->lines;
    const double top = lines[first].top;
    size_t end = first + 1;  // the first line always goes, or a tall one would stop the printing
    while (end < lines.size() && lines[end].bottom - top <= height) ++end;
    return end;
}

void StyledTextPrinter::SkipBlock(int32_t height) {
    if (!Eof()) nextLine_ = blockEnd(nextLine_, height);
}

int32_t StyledTextPrinter::BlockCount(int32_t height) const {
    int32_t blocks = 0;
    for (size_t line = nextLine_; line < layout_->lines.size(); line = blockEnd(line, height)) ++blocks;
    return blocks;
}

void StyledTextPrinter::DrawBlock(int32_t x, int32_t y, int32_t height) {
    if (Eof()) return;
    const std::vector<LineSpan>& lines = layout_->lines;
    const size_t first = nextLine_;
    const double top = lines[first].top;
    const size_t end = blockEnd(first, height);
    const double used = std::clamp<double>(lines[end - 1].bottom - top, 0, std::max(height, 0));
    nextLine_ = end;

    const std::string description = "StyledText " + std::to_string(x) + "," + std::to_string(y) + "," +
                                    std::to_string(width_) + "," + std::to_string(height) + " lines " +
                                    std::to_string(first) + "-" + std::to_string(end - 1);
    graphics_.drawWithPainter(description, [&](QPainter& painter) {
        if (used <= 0) return;
        painter.save();
        painter.translate(x, y - top);
        painter.setClipRect(QRectF(0, top, width_, used), Qt::IntersectClip);
        // Text with no colour of its own is black on paper whatever the
        // desktop's colour scheme.
        painter.setPen(Qt::black);
        // Line by line, not the whole document under a clip: a line clipped
        // away is still drawn, and a PDF keeps it in its text layer.
        for (size_t line = first; line < end; ++line) {
            const QTextLayout* paragraph = lines[line].block.layout();
            paragraph->lineAt(lines[line].index).draw(&painter, paragraph->position());
        }
        painter.restore();
    });
}
