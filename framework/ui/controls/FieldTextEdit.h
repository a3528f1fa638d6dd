#pragma once
// Framework-internal: the QTextEdit behind every multi-line EditField, plain
// or styled. It keeps user input inside the field's rules: no more text than
// LimitText allows, and pasted or dropped content reduced to what the field
// can hold (plain text for a plain field).
#include <QTextEdit>

#include "framework/text/StyledTextStyle.h"

class FieldTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit FieldTextEdit(QWidget* parent = nullptr);

    void setLimit(int limit) { limit_ = limit; }
    // Dropped or pasted files insert their text, not their names; files that
    // are not text insert nothing.
    static constexpr qint64 kLargestInsertedFile = 1 << 20;
    // Whether a paste or drop of `source` would insert something.
    bool canTake(const QMimeData& source) const;
    int limit() const { return limit_; }

    // A styled field (rich text accepted) takes pasted and dropped RTF and
    // HTML reduced to text and character styles; attributes they leave open
    // take the field's own style. Copies carry RTF.
    void setFieldStyle(const TextStyle& style) { fieldStyle_ = style; }
    const TextStyle& fieldStyle() const { return fieldStyle_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    // How many UTF-16 units may still be added in place of the selection.
    int room() const;
    void insertParagraphBreak();
    void insertPlain(QString text);
    bool insertStyled(const QMimeData& source);
    // The text of the local files among the urls; empty when there are none.
    static QString textOfFiles(const QList<QUrl>& urls);

    int limit_ = 0;
    bool dragEnded_ = false;  // a drag of the selection ended; no press or release since
    TextStyle fieldStyle_;
};
