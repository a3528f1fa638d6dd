#include "framework/ui/controls/LineEditorAdapter.h"


LineEditorAdapter::LineEditorAdapter() : edit_(new OneLineEdit) {
    edit_->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(edit_, &QLineEdit::textChanged, [this] {
        if (onTextChanged) onTextChanged();
    });
    QObject::connect(edit_, &QLineEdit::selectionChanged, [this] {
        if (onSelectionChanged) onSelectionChanged();
    });
    QObject::connect(edit_, &QLineEdit::cursorPositionChanged, [this] {
        if (onSelectionChanged) onSelectionChanged();
    });
}

// The widget belongs to the control's widget tree once placed; deleting it
// here would delete it twice, so only an unplaced editor is ours to free.
LineEditorAdapter::~LineEditorAdapter() {
    if (!edit_->parent()) delete edit_;
}

void LineEditorAdapter::setText(const std::string& text) {
    edit_->setText(QString::fromStdString(text));
}

int LineEditorAdapter::anchor() const {
    if (!edit_->hasSelectedText()) return edit_->cursorPosition();
    int start = edit_->selectionStart();
    int end = edit_->selectionEnd();
    return edit_->cursorPosition() == start ? end : start;
}

void LineEditorAdapter::select(int anchor, int position) {
    edit_->setSelection(anchor, position - anchor);
    if (anchor == position) edit_->setCursorPosition(position);
}

void LineEditorAdapter::replaceSelection(const QString& text) {
    edit_->insert(text);
}

void LineEditorAdapter::setLimit(int limit) {
    edit_->setMaxLength(limit > 0 ? limit : 32767);
}

void LineEditorAdapter::setTextColor(const QColor& color) { setPaletteTextColor(edit_, color); }

void LineEditorAdapter::setPassword(bool password) {
    edit_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}
