#include "framework/ui/controls/ListboxDelegate.h"

#include <QApplication>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include "framework/graphics/ImageGraphics.h"

ListboxDelegate::ListboxDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

// Connected after the view's own handler, so the list hears of a closed
// editor once the view has let go of it. Heard first, a handler that moves
// the focus (Return hands the name field the focus) made the editor, still
// the view's, lose the focus and be closed a second time from inside the
// first close, and the view then warned of an editor not its own.
void ListboxDelegate::reportClosedEditors() {
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* closed) {
        if (closed != editor_) return;
        int row = row_, column = column_;
        editor_ = nullptr;
        row_ = column_ = -1;
        if (editorClosed) editorClosed(row, column);
    });
}

void ListboxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    bool handled = false;
    if (wantsBackgroundPaint && wantsBackgroundPaint() && paintBackground && option.rect.isValid()) {
        QImage cell(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        cell.fill(Qt::transparent);
        ImageGraphics g(cell);
        handled = paintBackground(g, index.row(), index.column());
        painter->drawImage(option.rect.topLeft(), cell);
        opt.backgroundBrush = Qt::NoBrush;
        // A handler that took the whole background also decides how a
        // selected cell looks.
        if (handled) opt.state &= ~QStyle::State_Selected;
    }
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    if (gridHorizontal || gridVertical) {
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        const QRect& r = option.rect;
        if (gridVertical) painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        if (gridHorizontal) painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->restore();
    }
}

QWidget* ListboxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    auto* edit = new OneLineEdit(parent);
    edit->setFrame(false);
    editor_ = edit;
    row_ = index.row();
    column_ = index.column();
    int row = row_, column = column_;
    connect(edit, &QLineEdit::textEdited, this, [this, row, column] {
        if (editorTextEdited) editorTextEdited(row, column);
    });
    return edit;
}

// The model answers every cell write by refreshing the open editor. When the
// editor already shows that text (the user's own keystroke written back to
// the cell) leave it alone, or its caret would jump to the end.
void ListboxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line && line->text() == index.data(Qt::EditRole).toString()) return;
    QStyledItemDelegate::setEditorData(editor, index);
}

// Qt closes the editor when the window loses the activation (another
// program clicked, Alt+Tab, a box), and the rename then went on somewhere
// else on return. Kept open, the window gives the editor the keyboard back
// as it becomes active again, with the caret where it was.
bool ListboxDelegate::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut && object == editor_ &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}
