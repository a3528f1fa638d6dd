#include "controls/doubleclick/DoubleClickListbox.h"

#include "controls/doubleclick/DoubleClickTime.h"
#include "framework/runtime/SystemInfo.h"

DoubleClickListbox::DoubleClickListbox() : mLastClickTicks(0), mLastClickRow(0), mLastClickColumn(0) {}

void DoubleClickListbox::handleOpen() {
    // No real cell is -1, so the first click can never complete a double click.
    mLastClickRow = -1;
    mLastClickColumn = -1;
    Open();
}

bool DoubleClickListbox::handleCellClick(int32_t row, int32_t column, int32_t, int32_t) {
    // A click that hit no cell must not match the -1/-1 left by Open: two
    // quick clicks on empty space would otherwise report cell (-1, -1) and
    // send the window editing a row that does not exist.
    if (row < 0 || column < 0) return false;
    const int32_t interval = DoubleClickTicks();
    if (withinDoubleClickTime(Ticks(), mLastClickTicks, interval) && row == mLastClickRow &&
        column == mLastClickColumn)
        CellDoubleClick(row, column);
    // Read the clock again: the next interval starts when this handling
    // (and a possibly long CellDoubleClick handler) has finished.
    mLastClickTicks = Ticks();
    mLastClickRow = row;
    mLastClickColumn = column;
    return false;
}
