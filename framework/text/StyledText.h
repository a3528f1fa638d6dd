#pragma once
// Styled text as a value: the characters, runs of character style over them,
// and one alignment per paragraph. Paragraphs are separated by CR, the
// product's historical line end, so Text() is byte-compatible with the plain
// text the database and the export keep.
//
// Offsets and lengths count characters (Unicode code points), as the edit
// fields' SelStart and SelLength do. Ranges are clamped to the text; a getter
// over a range reports the value of its first character (a mixed selection
// reports one value).
//
// The runs always cover the whole text, adjacent runs differ in style, and an
// empty text still remembers one style: the one new text takes.
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/text/StyledTextStyle.h"

struct StyleRun {
    size_t Start = 0;   // filled in when a run is read out of a StyledText
    size_t Length = 0;  // characters
    std::string Text;   // UTF-8
    TextStyle Style;
};

struct Paragraph {
    size_t StartPos = 0;
    size_t Length = 0;  // characters, without the CR that ends it
    TextAlignment Alignment = TextAlignment::Default;
};

class StyledText {
public:
    StyledText();
    explicit StyledText(const std::string& text, const TextStyle& style = TextStyle{});

    // --- characters ---------------------------------------------------------
    // UTF-8 with CR between paragraphs; no-break spaces and tabs as they are.
    std::string Text() const;
    // Replaces all text. The text keeps the style of the current first
    // character (or the empty text's style) and every paragraph returns to the
    // default alignment. LF and CRLF become CR; malformed UTF-8 becomes U+FFFD.
    void SetText(const std::string& text);
    size_t Length() const { return text_.size(); }
    const std::u32string& Characters() const { return text_; }

    // --- RTF ------------------------------------------------------------------
    // The text and its styles as RTF (see RtfWriter.h): deterministic, and
    // read back by SetRTFData to the same text and styles.
    std::string RTFData() const;
    // Replaces text, styles and alignments by those read from RTF. Input that
    // is not RTF is refused: the value stays as it was and false comes back.
    // The empty string is the RTF of nothing and empties the text.
    bool SetRTFData(const std::string& rtf);

    // --- runs -----------------------------------------------------------------
    size_t RunCount() const;
    StyleRun Run(size_t index) const;  // OutOfBoundsException past the end
    std::vector<StyleRun> Runs() const;
    void AppendStyleRun(const StyleRun& run);  // uses run.Text and run.Style
    void Append(const StyledText& other);
    StyledText SubText(size_t start, size_t length) const;

    // The style of the character at `offset`; at or past the end, that of
    // the last character; for an empty text, the style new text takes.
    TextStyle StyleAt(size_t offset) const;

    // Range getters (the first character's value) and setters.
    std::string Font(size_t start, size_t length) const { return StyleAt(start).Font; }
    double Size(size_t start, size_t length) const { return StyleAt(start).Size; }
    bool Bold(size_t start, size_t length) const { return StyleAt(start).Bold; }
    bool Italic(size_t start, size_t length) const { return StyleAt(start).Italic; }
    bool Underline(size_t start, size_t length) const { return StyleAt(start).Underline; }
    bool Outline(size_t start, size_t length) const { return StyleAt(start).Outline; }
    bool Shadow(size_t start, size_t length) const { return StyleAt(start).Shadow; }
    uint32_t TextColor(size_t start, size_t length) const { return StyleAt(start).TextColor; }

    void SetFont(size_t start, size_t length, const std::string& font);
    void SetSize(size_t start, size_t length, double size);  // <= 0 is the default size
    void SetBold(size_t start, size_t length, bool value);
    void SetItalic(size_t start, size_t length, bool value);
    void SetUnderline(size_t start, size_t length, bool value);
    void SetOutline(size_t start, size_t length, bool value);
    void SetShadow(size_t start, size_t length, bool value);
    void SetTextColor(size_t start, size_t length, uint32_t color);
    void SetStyle(size_t start, size_t length, const TextStyle& style);
    // The general form: `change` edits a copy of each run's style in the range.
    // An empty text (or an empty range at the end of the text) changes the
    // style new text takes.
    void ChangeStyle(size_t start, size_t length, const std::function<void(TextStyle&)>& change);

    // --- paragraphs -----------------------------------------------------------
    size_t ParagraphCount() const { return alignments_.size(); }
    Paragraph GetParagraph(size_t index) const;  // OutOfBoundsException past the end
    size_t ParagraphIndex(size_t offset) const;   // the paragraph holding offset
    TextAlignment Alignment(size_t paragraphIndex) const;
    void SetAlignment(size_t paragraphIndex, TextAlignment alignment);
    // Every paragraph the range touches; an empty range, the one at `start`.
    void SetAlignment(size_t start, size_t length, TextAlignment alignment);

    bool operator==(const StyledText&) const = default;

    // For the RTF reader, which builds a value from pieces it has checked.
    struct Parts {
        std::u32string text;                                 // CR between paragraphs
        std::vector<std::pair<size_t, TextStyle>> runStarts;  // first start 0
        std::vector<TextAlignment> alignments;                // one per paragraph
        TextStyle emptyStyle;                                 // used when text is empty
    };
    static StyledText fromParts(Parts parts);

private:
    std::pair<size_t, size_t> clamp(size_t start, size_t length) const;
    size_t runIndexAt(size_t offset) const;
    void splitAt(size_t offset);
    void mergeRuns();
    void rebuildParagraphStarts();
    void appendCharacters(const std::u32string& text, const TextStyle& style);

    std::u32string text_;
    // (start, style) pairs: the first starts at 0, starts increase, each run
    // ends where the next begins. Never empty; with no text, one entry holds
    // the style new text takes.
    std::vector<std::pair<size_t, TextStyle>> runs_;
    std::vector<TextAlignment> alignments_;  // one per paragraph, never empty
    std::vector<size_t> paragraphStarts_;    // derived from text_
};
