#include "framework/ui/controls/OneLineEdit.h"

#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

bool isLineBreak(QChar c) {
    const char16_t u = c.unicode();
    return u == '\n' || u == '\r' || u == 0x0B || u == 0x0C || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool hasLineBreak(const QString& text) {
    for (QChar c : text)
        if (isLineBreak(c)) return true;
    return false;
}

}  // namespace

QString oneLineText(const QString& text) {
    QString out;
    out.reserve(text.size());
    bool pendingBreak = false;
    for (QChar c : text) {
        if (isLineBreak(c)) {
            pendingBreak = !out.isEmpty();
            continue;
        }
        if (pendingBreak) out += QLatin1Char(' ');
        pendingBreak = false;
        out += c;
    }
    return out;
}

void OneLineEdit::pasteOneLine(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!hasLineBreak(text)) {
        paste();
        return;
    }
    if (isReadOnly()) return;
    insert(oneLineText(text));
}

void OneLineEdit::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Paste && !isReadOnly()) {
        pasteOneLine();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// A middle click pastes the X primary selection where it is released.
void OneLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly() &&
        hasLineBreak(clipboard->text(QClipboard::Selection))) {
        deselect();
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteOneLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void OneLineEdit::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    if (!data || !data->hasText() || !hasLineBreak(data->text())) {
        QLineEdit::dropEvent(event);
        return;
    }
    QMimeData oneLine;
    oneLine.setText(oneLineText(data->text()));
    QDropEvent copy(event->position(), event->possibleActions(), &oneLine, event->buttons(), event->modifiers());
    copy.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&copy);
    event->setDropAction(copy.dropAction());
    event->setAccepted(copy.isAccepted());
}
