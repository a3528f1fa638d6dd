#pragma once
// Prints a styled text in blocks: each DrawBlock draws the next lines that
// fit into a box of the given height, so a long recipe flows over as many
// pages as it needs. The text is laid out once, at creation, to the given
// width in the graphics' units, with the styles it shows on screen (sizes in
// those units, as the layouts' points are).
//
//   StyledTextPrinter printer(*recipeText, g, g.Width() - 150);
//   do { printer.DrawBlock(75, 110, g.Height() - 150); g.NextPage(); } while (!printer.Eof());
//
// A block draws whole lines only, and always at least one: a line taller than
// the whole block (or a block of no height) still takes the next line, cut at
// the block's bottom, so that a page loop always ends.
#include <cstddef>
#include <cstdint>
#include <memory>

class EditField;
class Graphics;
class StyledText;

class StyledTextPrinter {
public:
    // The graphics must outlive the printer. The field's text is taken now;
    // later edits do not change what prints.
    StyledTextPrinter(const EditField& field, Graphics& graphics, int32_t width);
    StyledTextPrinter(const StyledText& text, Graphics& graphics, int32_t width);
    ~StyledTextPrinter();
    StyledTextPrinter(const StyledTextPrinter&) = delete;
    StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

    int32_t Width() const { return width_; }

    // Draws the next lines that fit in (x, y, Width, height), y the top.
    // Does nothing once all the text is drawn.
    void DrawBlock(int32_t x, int32_t y, int32_t height);
    // Moves past the lines DrawBlock would draw with this height, drawing
    // nothing: the pages before a chosen range leave no trace on paper.
    void SkipBlock(int32_t height);
    // How many blocks of this height the text not yet drawn fills (0 at the end).
    int32_t BlockCount(int32_t height) const;

    // Back to the text's first line, for pages printed out of their order.
    void Rewind() { nextLine_ = 0; }

    // True when every line has been drawn (at once for an empty text).
    bool Eof() const;

    // How many lines the text takes at this width.
    size_t LineCount() const;

private:
    struct Layout;
    // The line after the block of this height that starts at `first`.
    size_t blockEnd(size_t first, int32_t height) const;

    Graphics& graphics_;
    int32_t width_;
    std::unique_ptr<Layout> layout_;
    size_t nextLine_ = 0;
};
