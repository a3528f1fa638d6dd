#pragma once
// Prints styled text in blocks: the text is laid out once at a fixed width,
// and each DrawBlock draws the lines that come next and fit in the height it
// is given, so a caller can flow the text over as many pages as it needs.
//
//   StyledTextPrinter printer(field, g, 462);
//   do { printer.DrawBlock(75, 110, 642); g.NextPage(); } while (!printer.EOF_());
//
// Every block draws at least one line, even a line taller than the block, so
// a loop like the one above always ends. Lines are never split across blocks.
// Sizes are in the graphics' units (points on paper); the text keeps its own
// fonts, sizes, styles, colours and paragraph alignments.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/text/StyledText.h"

class EditField;
class Graphics;
class QTextDocument;

class StyledTextPrinter {
public:
    // The printer reads the text now; later edits of the field do not reach it.
    // The graphics must outlive the printer.
    StyledTextPrinter(const EditField& field, Graphics& g, int32_t width);
    StyledTextPrinter(const StyledText& text, Graphics& g, int32_t width);
    ~StyledTextPrinter();
    StyledTextPrinter(const StyledTextPrinter&) = delete;
    StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

    int32_t Width() const { return width_; }

    // Draws the next lines that fit in `height`, the first line's top at y.
    void DrawBlock(int32_t x, int32_t y, int32_t height);

    // True once every line has been drawn. (The old framework called this
    // EOF; the C library keeps that name as a macro, hence EOF_, as RecordSet has it.)
    bool EOF_() const { return next_ >= lines_.size(); }

    // How many lines the text takes at this width.
    size_t LineCount() const { return lines_.size(); }

private:
    struct LineBox {
        double top, bottom;  // in the laid-out document
    };

    void layOut(const StyledText& text);

    Graphics& graphics_;
    int32_t width_;
    std::unique_ptr<QTextDocument> document_;
    std::vector<LineBox> lines_;
    size_t next_ = 0;
};
