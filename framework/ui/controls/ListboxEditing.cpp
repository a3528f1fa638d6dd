// Listbox: editing a cell in place, and the Edit menu on its editor.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/ListboxDelegate.h"
#include "framework/ui/controls/ListboxModel.h"
#include "framework/ui/controls/ListboxView.h"

bool Listbox::editing() const { return delegate_->editor() != nullptr; }

std::string Listbox::editorText() const { return delegate_->editor()->text().toStdString(); }

void Listbox::EditCell(int32_t row, int32_t column) {
    if (!rows_.hasRow(row) || column < 0 || column >= ColumnCount.get()) return;
    syncView();
    QModelIndex i = model_->index(row, column);
    view_->scrollTo(i);
    view_->edit(i);
    if (QLineEdit* editor = delegate_->editor()) {
        editor->selectAll();
        editor->setFocus(Qt::OtherFocusReason);
    }
}

void Listbox::EndCellEdit() {
    QLineEdit* editor = delegate_->editor();
    if (!editor) return;
    emit delegate_->commitData(editor);
    emit delegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool Listbox::canStandardEdit(const std::string& itemName) const {
    if (!editing()) return false;
    QLineEdit* e = delegate_->editor();
    if (itemName == "EditCopy" || itemName == "EditCut" || itemName == "EditClear") return e->hasSelectedText();
    if (itemName == "EditPaste") return !QApplication::clipboard()->text().isEmpty();
    return itemName == "EditSelectAll";
}

bool Listbox::doStandardEdit(const std::string& itemName) {
    if (!canStandardEdit(itemName)) return false;
    OneLineEdit* e = delegate_->editor();
    if (itemName == "EditCopy") e->copy();
    else if (itemName == "EditCut") e->cut();
    else if (itemName == "EditPaste") e->pasteOneLine();
    else if (itemName == "EditClear") e->del();
    else e->selectAll();
    return true;
}

