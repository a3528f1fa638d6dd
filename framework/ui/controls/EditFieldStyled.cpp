// The styled side of EditField: StyledText and RTFData, the Sel* styles and
// the field's own style on a styled field. Every change here goes through
// changeByCode, so a style change raises neither TextChange (the text stays
// the same) nor SelChange.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

#include "framework/text/RtfReader.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/FieldTextEdit.h"
#include "framework/ui/controls/StyledDocument.h"
#include "framework/ui/controls/StyledFormats.h"
#include "framework/ui/controls/TextEditorAdapter.h"

namespace {

// Laying out a word wider than the field searches to its end for a break on
// every line it fills: a 1 MB line without spaces took minutes. A text that
// holds a run this long without white space wraps anywhere instead, which
// lays out in one pass; any other text keeps wrapping between words.
constexpr size_t kLongestWrappedWord = 1000;

bool holdsUnbreakableRun(const std::string& text) {
    size_t run = 0;
    for (const char c : text) {
        run = (c == ' ' || c == '\t' || c == '\r' || c == '\n') ? 0 : run + 1;
        if (run > kLongestWrappedWord) return true;
    }
    return false;
}

}  // namespace

bool EditField::isStyled() const { return Styled.get() && textEdit() != nullptr; }

TextStyle EditField::fieldStyle() const {
    TextStyle s;
    s.Font = TextFont.get();
    s.Size = TextSize.get() > 0 ? TextSize.get() : 0;
    s.Bold = Bold.get();
    s.Italic = Italic.get();
    s.Underline = Underline.get();
    s.TextColor = TextColor.get();
    return s;
}

void EditField::applyStyled() {
    if (FieldTextEdit* edit = textEdit()) {
        edit->setAcceptRichText(Styled.get());
        edit->setFieldStyle(fieldStyle());
    }
}

// --- the whole text ----------------------------------------------------------

::StyledText EditField::styledText() const {
    if (!isStyled()) return ::StyledText(Text.get(), fieldStyle());
    return styledTextOf(*textEdit()->document(), fieldStyle());
}

void EditField::setStyledText(const ::StyledText& value) {
    if (!isStyled()) {
        Text = value.Text();
        return;
    }
    changeByCode([&] { loadText(value); });
}

// The caret goes to the start with no typing style left from the old text.
void EditField::loadText(const ::StyledText& value) {
    QTextDocument& document = *textEdit()->document();
    const QTextOption::WrapMode wrap = holdsUnbreakableRun(value.Text()) ? QTextOption::WrapAnywhere : QTextOption::WordWrap;
    if (textEdit()->wordWrapMode() != wrap) {
        document.clear();  // the old text is not laid out again in the new mode
        textEdit()->setWordWrapMode(wrap);
    }
    loadStyledText(document, value);
    textEdit()->setTextCursor(QTextCursor(&document));
}

bool EditField::setRTFData(const std::string& rtf) {
    // A recipe whose RTF was never written: no text, and the field's own
    // style for what comes next (the import sets it before such a reload).
    if (rtf.empty()) {
        setStyledText(::StyledText(std::string(), fieldStyle()));
        return true;
    }
    std::optional<::StyledText> value = readRtf(rtf);
    if (!value) return false;
    setStyledText(*value);
    return true;
}

// Qt's own plain-text setter keeps the caret's character format for the new
// text; plain text takes the field's style instead.
void EditField::setPlainTextStyled(const std::string& text) {
    loadText(::StyledText(text, fieldStyle()));
}

// --- the selection's style ---------------------------------------------------

TextStyle EditField::selectionStyle() const {
    if (!isStyled()) return fieldStyle();
    const QTextCursor cursor = textEdit()->textCursor();
    if (!cursor.hasSelection()) return styleOf(cursor.charFormat(), fieldStyle());
    return styleAtPosition(*textEdit()->document(), cursor.selectionStart(), fieldStyle());
}

void EditField::changeSelectionStyle(const std::function<void(TextStyle&)>& change) {
    if (!isStyled()) return;
    changeByCode([&] {
        FieldTextEdit* edit = textEdit();
        QTextDocument& document = *edit->document();
        const QTextCursor cursor = edit->textCursor();
        if (cursor.hasSelection()) {
            changeCharacterStyle(document, cursor.selectionStart(), cursor.selectionEnd(), fieldStyle(), change);
            return;
        }
        // Nothing selected: the style the next typed text takes.
        TextStyle style = styleOf(cursor.charFormat(), fieldStyle());
        change(style);
        const QTextCharFormat format = charFormatFor(style);
        edit->setCurrentCharFormat(format);
        if (document.isEmpty()) QTextCursor(&document).setBlockCharFormat(format);
    });
}

void EditField::changeWholeFieldStyle(const std::function<void(TextStyle&)>& change) {
    if (!isStyled()) return;
    changeByCode([&] {
        FieldTextEdit* edit = textEdit();
        QTextDocument& document = *edit->document();
        changeCharacterStyle(document, 0, document.characterCount() - 1, fieldStyle(), change);
        QTextCursor first(&document);
        TextStyle style = styleOf(first.blockCharFormat(), fieldStyle());
        change(style);
        first.setBlockCharFormat(charFormatFor(style));
        if (!edit->textCursor().hasSelection()) {
            TextStyle typing = styleOf(edit->textCursor().charFormat(), fieldStyle());
            change(typing);
            edit->setCurrentCharFormat(charFormatFor(typing));
        }
        // Changing the first block's own format leaves that block without a
        // layout, so its first line would not be drawn until edited.
        document.markContentsDirty(0, document.characterCount());
    });
}

void EditField::alignAllParagraphs(int32_t code) {
    if (code < 0 || code > 3) code = 0;
    changeByCode([&] {
        QTextDocument& document = *textEdit()->document();
        setParagraphAlignment(document, 0, document.characterCount() - 1, static_cast<TextAlignment>(code));
    });
}

Property<bool> EditField::selectionFlag(bool TextStyle::*flag) {
    return Property<bool>([this, flag] { return selectionStyle().*flag; },
                          [this, flag](const bool& v) { changeSelectionStyle([&](TextStyle& s) { s.*flag = v; }); });
}

// Reported as shown (a default size as its pixels), so "one size bigger" from
// the palette starts from what the user sees. 0, less or not a number sets
// the default size: letters typed into the size box arrive as 0.
Property<double> EditField::selectionSize() {
    return Property<double>([this] { return shownSize(selectionStyle()); },
                            [this](const double& v) {
                                changeSelectionStyle([&](TextStyle& s) { s.Size = v > 0 ? v : 0; });
                            });
}

Property<Color> EditField::selectionColor() {
    return Property<Color>([this] { return static_cast<Color>(selectionStyle().TextColor); },
                           [this](const Color& v) { changeSelectionStyle([&](TextStyle& s) { s.TextColor = v & 0xFFFFFF; }); });
}

// A new family keeps the size the text is shown at: text with no size of its
// own is shown at its family's default (the system font's is larger), so it
// takes that size first rather than grow or shrink with the family.
Property<std::string> EditField::selectionFont() {
    return Property<std::string>([this] { return selectionStyle().Font; },
                                 [this](const std::string& v) {
                                     changeSelectionStyle([&](TextStyle& s) {
                                         if (s.Size < 1) s.Size = shownSize(s);
                                         s.Font = v;
                                     });
                                 });
}

// Alignment acts on paragraphs, so with no selection the caret's paragraph
// changes (the palette's alignment buttons need no selection).
Property<int32_t> EditField::selectionAlignment() {
    return Property<int32_t>(
        [this]() -> int32_t {
            if (!isStyled()) return Alignment.get();
            const QTextCursor cursor = textEdit()->textCursor();
            return static_cast<int32_t>(alignmentOf(cursor.document()->findBlock(cursor.selectionStart()).blockFormat()));
        },
        [this](const int32_t& code) {
            if (!isStyled() || code < 0 || code > 3) return;
            changeByCode([&] {
                const QTextCursor cursor = textEdit()->textCursor();
                setParagraphAlignment(*textEdit()->document(), cursor.selectionStart(), cursor.selectionEnd(),
                                      static_cast<TextAlignment>(code));
            });
        });
}
