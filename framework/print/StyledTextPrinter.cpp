#include "framework/print/StyledTextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <string>

#include "framework/graphics/Graphics.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StyledDocument.h"

StyledTextPrinter::StyledTextPrinter(const EditField& field, Graphics& g, int32_t width)
    : StyledTextPrinter(field.styledText(), g, width) {}

StyledTextPrinter::StyledTextPrinter(const StyledText& text, Graphics& g, int32_t width)
    : graphics_(g), width_(std::max<int32_t>(width, 1)), document_(std::make_unique<QTextDocument>()) {
    layOut(text);
}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::layOut(const StyledText& text) {
    // No paint device: the fonts are sized in pixels, which are the graphics'
    // units, so the lines break the same on paper as in a recording.
    document_->setDocumentMargin(0);
    document_->setTextWidth(width_);
    loadStyledText(*document_, text);
    QAbstractTextDocumentLayout* layout = document_->documentLayout();
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const double blockTop = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            lines_.push_back({blockTop + line.y(), blockTop + line.y() + line.height()});
        }
    }
}

void StyledTextPrinter::DrawBlock(int32_t x, int32_t y, int32_t height) {
    if (EOF_()) return;
    const size_t first = next_;
    const double top = lines_[first].top;
    size_t end = first + 1;  // at least one line, so the text always advances
    while (end < lines_.size() && lines_[end].bottom - top <= height) ++end;
    next_ = end;
    const double bottom = lines_[end - 1].bottom;

    const std::string description = "StyledTextBlock " + std::to_string(x) + "," + std::to_string(y) + "," +
                                    std::to_string(width_) + "," + std::to_string(height) + " lines " +
                                    std::to_string(first + 1) + "-" + std::to_string(end) + " of " +
                                    std::to_string(lines_.size());
    graphics_.drawWithPainter(description, [&](QPainter& painter) {
        painter.save();
        painter.translate(x, y - top);
        // Only this block's lines; sideways the clip leaves room for glyphs
        // that overhang the width (italics).
        const QRectF slice(-width_, top, 3.0 * width_, bottom - top);
        painter.setClipRect(slice, Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = slice;
        // Text with no colour of its own is black on paper whatever the
        // desktop's colour scheme.
        context.palette.setColor(QPalette::Text, Qt::black);
        document_->documentLayout()->draw(&painter, context);
        painter.restore();
    });
}
