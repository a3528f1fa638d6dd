#pragma once
// Framework-internal: the QTextEdit behind every multi-line EditField, plain
// or styled. It keeps user input inside the field's rules: no more text than
// LimitText allows, and pasted or dropped content reduced to what the field
// can hold (plain text for a plain field).
#include <QTextEdit>

class FieldTextEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit FieldTextEdit(QWidget* parent = nullptr);

    void setLimit(int limit) { limit_ = limit; }
    // Dropped or pasted files insert their text, not their names.
    static constexpr qint64 kLargestInsertedFile = 1 << 20;
    int limit() const { return limit_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // How many UTF-16 units may still be added in place of the selection.
    int room() const;
    void insertPlain(QString text);
    // The text of the local files among the urls; empty when there are none.
    static QString textOfFiles(const QList<QUrl>& urls);

    int limit_ = 0;
};
