#pragma once
// Framework-internal: one character style (TextStyle) as a Qt character
// format and back, and one paragraph alignment as a block format and back.
//
// Qt shows what it can: the resolved font at a pixel size (the layouts'
// points are pixels), the colour, the outline as a text outline pen. What it
// cannot show or would lose is kept in user properties beside the look: the
// framework's font name ("System", "SystemFont" and names not installed all
// look like the default family), the size as given (0 = the default), the
// shadow, and the paragraph's alignment code (Qt has no "default").
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "framework/text/StyledTextStyle.h"

namespace styled_format {
enum Property : int {
    FontName = QTextFormat::UserProperty + 1,  // QString, the framework's name
    FontSize,                                   // double, 0 = the font's default
    Shadow,                                     // bool
    AlignmentCode,                              // int, on block formats
};
}  // namespace styled_format

// A complete format for the style: every attribute is set, so the format
// never inherits anything from the document's default font.
QTextCharFormat charFormatFor(const TextStyle& style);

// The style a format shows. Attributes the format does not carry (plain text,
// pasted HTML that names no size) come from `fallback`, the field's own style.
TextStyle styleOf(const QTextCharFormat& format, const TextStyle& fallback);

QTextBlockFormat blockFormatFor(TextAlignment alignment);
TextAlignment alignmentOf(const QTextBlockFormat& format);

// The size the text is shown at: the style's own, or its font's default.
double shownSize(const TextStyle& style);
