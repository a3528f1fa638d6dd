#pragma once
// Framework-internal: draws and edits the cells of a Listbox.
//  - Each cell's background may be painted by the list's CellBackgroundPaint
//    handler through a Graphics the size of the cell. When the handler
//    answers False the list still draws its selection over it and the text.
//  - In-place editing uses a one-line editor (OneLineEdit): every keystroke is reported, and when
//    the editor closes (it lost the focus, or Return or Escape) the list
//    hears of it after the edited text was stored. The window losing the
//    activation does not close it: the user comes back to the cell.
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

#include "framework/ui/controls/OneLineEdit.h"

class Graphics;

class ListboxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ListboxDelegate(QObject* parent = nullptr);
    // Starts calling editorClosed; called once the view has taken the delegate.
    void reportClosedEditors();

    std::function<bool()> wantsBackgroundPaint;
    std::function<bool(Graphics& g, int row, int column)> paintBackground;
    std::function<void(int row, int column)> editorTextEdited;
    std::function<void(int row, int column)> editorClosed;
    bool gridHorizontal = false, gridVertical = false;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

    OneLineEdit* editor() const { return editor_; }
    int editingRow() const { return row_; }
    int editingColumn() const { return column_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    mutable QPointer<OneLineEdit> editor_;
    mutable int row_ = -1, column_ = -1;
};
