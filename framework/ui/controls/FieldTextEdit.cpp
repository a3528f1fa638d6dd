#include "framework/ui/controls/FieldTextEdit.h"

#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "framework/text/TextEncoding.h"
#include "framework/ui/controls/StyledDocument.h"
#include "framework/ui/controls/StyledMimeData.h"
#include "framework/ui/controls/TextPositions.h"

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
    if (event == QKeySequence::InsertParagraphSeparator && !isReadOnly()) {
        insertParagraphBreak();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

// Every Return is a paragraph break. Qt's own, pressed in an empty
// paragraph whose format is not its default one (an alignment, the spacing
// of a loaded styled text), only resets that format and inserts nothing, so
// the first blank line typed after a text was shown went missing. The new
// paragraph keeps the format of the one it splits.
void FieldTextEdit::insertParagraphBreak() {
    QTextCursor c = textCursor();
    c.beginEditBlock();
    c.removeSelectedText();
    c.insertBlock(c.blockFormat(), c.charFormat());
    c.endEditBlock();
    setTextCursor(c);
    ensureCursorVisible();
}

namespace {

bool hasLocalFiles(const QMimeData& source) {
    if (!source.hasUrls()) return false;
    for (const QUrl& url : source.urls())
        if (url.isLocalFile()) return true;
    return false;
}

// Text has no NUL and no control character but the ones text files use
// (tab, line and page breaks, and the end-of-file mark of old DOS files).
// A photo, a PDF or a program copied in a file manager has them, and its
// bytes read as Windows-1252 would go into the recipe as pages of garbage.
bool looksLikeText(const QByteArray& bytes) {
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != 0x0B && u != 0x0C && u != '\r' && u != 0x1A) return false;
    }
    return true;
}

// Asked at every menu enabling and drag move, so it reads only the start of
// each file until one looks like text: a photo gives itself away in its
// first bytes, and a clipboard may hold hundreds of copied files.
bool hasTextFile(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        QFile file(url.toLocalFile());
        if (file.size() > FieldTextEdit::kLargestInsertedFile || !file.open(QIODevice::ReadOnly)) continue;
        if (looksLikeText(file.read(8192))) return true;
    }
    return false;
}

}  // namespace

bool FieldTextEdit::canTake(const QMimeData& source) const {
    if (hasLocalFiles(source)) return hasTextFile(source.urls());
    return source.hasText() || (acceptRichText() && hasStyledMimeData(source));
}

// A drag of the selection runs inside the move that starts it. When it ends
// where nothing takes the text, a move that still reports the left button
// can reach the editor before the release Qt deferred, and the editor would
// start a second drag from it, which held the pointer and the keyboard until
// the next click dropped the text wherever that click was. Until the next
// press or release, such moves are stale.
void FieldTextEdit::mouseMoveEvent(QMouseEvent* event) {
    if (dragEnded_ && (event->buttons() & Qt::LeftButton)) {
        event->accept();
        return;
    }
    const bool held = QGuiApplication::mouseButtons() & Qt::LeftButton;
    QTextEdit::mouseMoveEvent(event);
    if (held && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) dragEnded_ = true;
}

void FieldTextEdit::mousePressEvent(QMouseEvent* event) {
    dragEnded_ = false;
    QTextEdit::mousePressEvent(event);
}

void FieldTextEdit::mouseReleaseEvent(QMouseEvent* event) {
    dragEnded_ = false;
    QTextEdit::mouseReleaseEvent(event);
}

bool FieldTextEdit::canInsertFromMimeData(const QMimeData* source) const { return canTake(*source); }

// Files dropped on or pasted into a field (the recipe text accepts files of
// the type "text") insert their contents: UTF-8 when valid, else
// Windows-1252. Files that are not local, not readable, too large or not
// text insert nothing; null when no file does.
QString FieldTextEdit::textOfFiles(const QList<QUrl>& urls) {
    QString out;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        QFile file(url.toLocalFile());
        if (file.size() > kLargestInsertedFile || !file.open(QIODevice::ReadOnly)) continue;
        const QByteArray bytes = file.readAll();
        if (!looksLikeText(bytes)) continue;
        out += QString::fromStdString(TextFromUnknownEncoding(bytes.toStdString(), EncodingCode::WindowsLatin1));
        if (out.isNull()) out = QLatin1String("");  // an empty text file is still a text file
    }
    return out;
}

void FieldTextEdit::insertPlain(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    int r = room();
    if (r <= 0 || text.isEmpty()) return;
    if (text.size() > r) text.truncate(r);
    textCursor().insertText(text);
}

// Local files insert their text (never their names); links to elsewhere
// insert as the text they come with.
void FieldTextEdit::insertFromMimeData(const QMimeData* source) {
    if (hasLocalFiles(*source)) {
        insertPlain(textOfFiles(source->urls()));
        return;
    }
    if (acceptRichText() && limit_ <= 0 && insertStyled(*source)) return;
    if (source->hasText()) insertPlain(source->text());
}

// Never Qt's own insertion: it would bring images, tables and lists into the
// document, and from there into the RTF the field stores.
bool FieldTextEdit::insertStyled(const QMimeData& source) {
    std::optional<StyledText> text = styledTextFromMimeData(source, fieldStyle_);
    if (!text) return false;
    QTextCursor cursor = textCursor();
    insertStyledText(cursor, *text);
    setTextCursor(cursor);
    return true;
}

QMimeData* FieldTextEdit::createMimeDataFromSelection() const {
    if (!acceptRichText()) return QTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    const StyledText all = styledTextOf(*document(), fieldStyle_);
    const QString raw = document()->toRawText();
    const auto start = static_cast<size_t>(codePointsBefore(raw, cursor.selectionStart()));
    const auto end = static_cast<size_t>(codePointsBefore(raw, cursor.selectionEnd()));
    return mimeDataFor(all.SubText(start, end - start));
}
