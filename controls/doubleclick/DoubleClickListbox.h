#pragma once
// A list that reports a second click on the same cell within the user's
// double-click interval as CellDoubleClick(row, column). The click itself is
// never consumed: the list still selects the row and raises Change.
//
// The class takes the list's Open and CellClick for itself. Open is raised
// again to the window after the remembered cell is reset; CellClick stays a
// declared event that is never raised, so a window binding it hears nothing.
#include <cstdint>

#include "framework/ui/controls/Listbox.h"

class DoubleClickListbox : public Listbox {
public:
    DoubleClickListbox();

    // The remembered click: the tick count read after the previous click's
    // handling had finished, and its cell (-1 after Open).
    Property<int32_t> mLastClickTicks, mLastClickRow, mLastClickColumn;

    Event<void(int32_t row, int32_t column)> CellDoubleClick;

    void handleOpen() override;
    bool handleCellClick(int32_t row, int32_t column, int32_t x, int32_t y) override;
};
