// Listbox: a press in the rows acts on the row it was aimed at, even when
// the rows moved between the button going down and the press arriving.
#include <QApplication>
#include <QTimer>

#include "framework/runtime/Services.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/ListboxModel.h"
#include "framework/ui/controls/ListboxView.h"

void Listbox::pressTakingFocus() {
    syncView();
    int32_t x = 0, y = 0;
    services().pointerPosition(x, y);
    const QPoint pointer(x, y);
    const QModelIndex index = view_->indexAt(view_->viewport()->mapFromGlobal(pointer));
    aimedAt_ = Aim{index.isValid() ? std::optional(rows_.key(index.row())) : std::nullopt, pointer.x(), pointer.y()};
    // Qt delivers the press right after the focus change, in the same turn
    // of the loop; a press that went elsewhere (the heading) leaves nothing
    // behind for a later one.
    QTimer::singleShot(0, view_, [this] { aimedAt_.reset(); });
}

bool Listbox::userPressed(int x, int y, bool secondOfDoubleClick) {
    syncView();
    QModelIndex index = view_->indexAt(QPoint(x, y));
    // The aim counts for the press at the place it was taken (the pointer
    // may have moved on since a focus change that came without a press).
    const QPoint pressed = view_->viewport()->mapToGlobal(QPoint(x, y));
    const bool aimHere = aimedAt_ && (pressed - QPoint(aimedAt_->pointerX, aimedAt_->pointerY)).manhattanLength() <=
                                         QApplication::startDragDistance();
    std::optional<ListboxRows::RowKey> aimed;
    if (aimHere) aimed = aimedAt_->row;
    else if (secondOfDoubleClick && index.isValid()) aimed = lastPressed_;
    aimedAt_.reset();
    if (aimed) {
        const int32_t row = rows_.find(*aimed, index.isValid() ? index.row() : -1);
        if (row < 0) {
            lastPressed_ = aimed;  // a double click's second press finds it gone too
            return true;  // nothing the user meant is there
        }
        index = model_->index(row, index.isValid() ? index.column() : 0);
    }
    lastPressed_ = index.isValid() ? std::optional(rows_.key(index.row())) : std::nullopt;
    if (!index.isValid()) {
        // A click below the rows clears the selection unless one is required.
        if (!RequiresSelection.get()) userSelected(-1);
        return true;
    }
    const QRect cell = view_->visualRect(index);
    if (handleCellClick(index.row(), index.column(), x - cell.x(), y - cell.y())) return true;
    userSelected(index.row());
    return true;
}
