#include "framework/ui/controls/FieldTextEdit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

FieldTextEdit::FieldTextEdit(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setContextMenuPolicy(Qt::NoContextMenu);
}

int FieldTextEdit::room() const {
    if (limit_ <= 0) return INT_MAX;
    QTextCursor c = textCursor();
    int length = document()->characterCount() - 1;  // without the final paragraph mark
    return limit_ - (length - (c.selectionEnd() - c.selectionStart()));
}

void FieldTextEdit::keyPressEvent(QKeyEvent* event) {
    if (limit_ > 0 && !event->text().isEmpty() && event->text().at(0).isPrint() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) && room() < event->text().size()) {
        event->accept();
        return;
    }
    if (limit_ > 0 && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && room() < 1) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool FieldTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || (acceptRichText() && source->hasHtml());
}

void FieldTextEdit::insertFromMimeData(const QMimeData* source) {
    if (acceptRichText() && source->hasHtml() && limit_ <= 0) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    if (!source->hasText()) return;
    QString text = source->text();
    int r = room();
    if (r <= 0) return;
    if (text.size() > r) text.truncate(r);
    textCursor().insertText(text);
}
