#pragma once
// Framework-internal: a StyledText in a QTextDocument and back. A paragraph
// is a block (U+2028 line separators typed with Shift-Return count as
// paragraph breaks too, as the field's Text reports them); characters Qt
// keeps for objects (images, frame marks) are not text and are left out, so
// nothing but text and character styles ever comes out of a document.
//
// Positions given here are Qt's (UTF-16 units in the document).
#include <QTextCursor>
#include <functional>

#include "framework/text/StyledText.h"

class QTextDocument;

// Replaces the document's content by `text` (the undo history goes too).
void loadStyledText(QTextDocument& document, const StyledText& text);

// Inserts `text` at the cursor, replacing its selection, as one undo step.
// The first paragraph joins the cursor's paragraph, whose alignment it takes
// unless it begins that paragraph; each further paragraph brings its own.
void insertStyledText(QTextCursor& cursor, const StyledText& text);

// The document as styled text. Attributes a format does not carry come from
// `fallback`, the field's own style.
StyledText styledTextOf(const QTextDocument& document, const TextStyle& fallback);

// The style of the character at `position` (a paragraph break included).
TextStyle styleAtPosition(const QTextDocument& document, int position, const TextStyle& fallback);

// Changes the character style of every character in [from, to): each piece
// keeps its other attributes. Paragraph breaks inside the range change too.
void changeCharacterStyle(QTextDocument& document, int from, int to, const TextStyle& fallback,
                          const std::function<void(TextStyle&)>& change);

// Sets the alignment of every paragraph the range touches (the one holding
// `from` when the range is empty).
void setParagraphAlignment(QTextDocument& document, int from, int to, TextAlignment alignment);
