#pragma once
// Framework-internal: the QLineEdit behind every one-line editor (a
// single-line EditField, a list cell being renamed).
//
// A one-line value never holds a line break, however the text arrives: what
// is pasted (the Edit menu, Ctrl+V, Shift+Insert, a middle click) or dropped
// loses the line breaks at its ends, and each run of them inside becomes one
// space. A plain QLineEdit keeps them, so a name pasted from a few lines of a
// web page was stored with CRs in it and showed broken in the list.
#include <QClipboard>
#include <QLineEdit>
#include <QString>

class OneLineEdit : public QLineEdit {
public:
    explicit OneLineEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    // The clipboard's text (or the X primary selection's), made one line,
    // replacing the selection as one step of the undo history.
    void pasteOneLine(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// `text` without line breaks: none at either end, one space for each run inside.
QString oneLineText(const QString& text);
