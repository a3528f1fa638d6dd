#include "framework/ui/controls/TextEditAdapter.h"

#include <QApplication>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/ui/controls/TextPositions.h"

TextEditAdapter::TextEditAdapter() : edit_(new FieldTextEdit) {
    edit_->setTabChangesFocus(true);
    edit_->setLineWrapMode(QTextEdit::WidgetWidth);
    QObject::connect(edit_->document(), &QTextDocument::contentsChanged, [this] {
        if (onTextChanged) onTextChanged();
    });
    QObject::connect(edit_, &QTextEdit::cursorPositionChanged, [this] {
        if (onSelectionChanged) onSelectionChanged();
    });
    QObject::connect(edit_, &QTextEdit::selectionChanged, [this] {
        if (onSelectionChanged) onSelectionChanged();
    });
}

TextEditAdapter::~TextEditAdapter() {
    if (!edit_->parent()) delete edit_;
}

QString TextEditAdapter::qtText() const { return edit_->document()->toRawText(); }

std::string TextEditAdapter::text() const { return frameworkTextFromRaw(qtText()); }

void TextEditAdapter::setText(const std::string& text) {
    edit_->setPlainText(editorTextFromFramework(text));
    if (alignment_ != Qt::AlignLeft) setAlignment(alignment_);
}

int TextEditAdapter::anchor() const { return edit_->textCursor().anchor(); }

int TextEditAdapter::position() const { return edit_->textCursor().position(); }

void TextEditAdapter::select(int anchor, int position) {
    QTextCursor c = edit_->textCursor();
    int end = edit_->document()->characterCount() - 1;
    c.setPosition(std::clamp(anchor, 0, end));
    c.setPosition(std::clamp(position, 0, end), QTextCursor::KeepAnchor);
    edit_->setTextCursor(c);
}

void TextEditAdapter::replaceSelection(const QString& text) {
    QTextCursor c = edit_->textCursor();
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QChar('\r'), QChar('\n'));
    c.insertText(t);
    edit_->setTextCursor(c);
}

void TextEditAdapter::setReadOnly(bool readOnly) {
    edit_->setReadOnly(readOnly);
    // A read-only field still lets the user select and copy.
    if (readOnly) edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void TextEditAdapter::setAlignment(Qt::Alignment alignment) {
    alignment_ = alignment;
    QTextDocument* doc = edit_->document();
    QTextOption option = doc->defaultTextOption();
    option.setAlignment(alignment);
    doc->setDefaultTextOption(option);
    // Paragraphs that carry their own alignment keep it only in styled
    // fields; a plain field has one alignment throughout.
    QTextCursor c(doc);
    c.select(QTextCursor::Document);
    QTextBlockFormat f;
    f.setAlignment(alignment);
    c.mergeBlockFormat(f);
}

namespace {
// The toolkit's own tab stop distance, kept for text at the default size.
constexpr qreal kTabStopAtDefaultSize = 80.0;
}  // namespace

void TextEditAdapter::setFieldFont(const QFont& font) {
    edit_->setFont(font);
    edit_->document()->setDefaultFont(font);
    // Tab stops grow with the field's text size: at a fixed distance, words
    // set in large type pass the first stop and their columns no longer line
    // up ("Flour<tab>2 cups" under "Oil<tab>1 cup").
    const int defaultSize = QFontInfo(QApplication::font()).pixelSize();
    const int size = QFontInfo(font).pixelSize();
    if (defaultSize > 0 && size > 0) edit_->setTabStopDistance(kTabStopAtDefaultSize * size / defaultSize);
}

void TextEditAdapter::setTextColor(const QColor& color) { setPaletteTextColor(edit_, color); }

void TextEditAdapter::setBorder(bool border) {
    edit_->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
}
