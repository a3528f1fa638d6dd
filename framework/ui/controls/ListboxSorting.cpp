// Listbox: the header press and the stable sort of whole rows.
#include <QHeaderView>

#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/ListboxModel.h"
#include "framework/ui/controls/ListboxView.h"

// The handlers run first (the product refills the list in HeaderPressed);
// the built-in sort then orders whatever rows the list holds by then.
void Listbox::userPressedHeader(int32_t column) {
    if (handleHeaderPressed(column)) return;
    if (handleSortColumn(column)) return;
    if (column >= static_cast<int32_t>(descending_.size())) descending_.resize(column + 1, false);
    if (sortedColumn_ == column) descending_[column] = !descending_[column];
    else descending_[column] = false;
    sortedColumn_ = column;
    sortBy(column, !descending_[column]);
    HeadingIndex = column;
}

// HeadingIndex: the column whose heading shows the sort mark, -1 for none.
void Listbox::showSortMark(int32_t column) {
    headingIndex_ = column >= 0 && column < ColumnCount.get() ? column : -1;
    syncSortMark();
}

void Listbox::syncSortMark() {
    QHeaderView* header = view_->horizontalHeader();
    const bool down = headingIndex_ >= 0 && headingIndex_ < static_cast<int32_t>(descending_.size()) &&
                      descending_[headingIndex_];
    const Qt::SortOrder order = down ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (header->isSortIndicatorShown() != (headingIndex_ >= 0)) header->setSortIndicatorShown(headingIndex_ >= 0);
    // Only a real difference is set, so the header's change signal, which
    // calls this again, ends here.
    if (headingIndex_ >= 0 && (header->sortIndicatorSection() != headingIndex_ || header->sortIndicatorOrder() != order))
        header->setSortIndicator(headingIndex_, order);
}

void Listbox::Sort() {
    if (sortedColumn_ < 0) return;
    sortBy(sortedColumn_, SortsAscending());
}

bool Listbox::SortsAscending() const {
    return !(sortedColumn_ >= 0 && sortedColumn_ < static_cast<int32_t>(descending_.size()) && descending_[sortedColumn_]);
}

// The selected row stays selected wherever it lands; that is not a change.
void Listbox::sortBy(int32_t column, bool ascending) {
    std::vector<int32_t> order = rows_.sortByColumn(column, ascending);
    if (listIndex_ >= 0) {
        for (size_t i = 0; i < order.size(); ++i)
            if (order[i] == listIndex_) {
                listIndex_ = static_cast<int32_t>(i);
                break;
            }
    }
    model_->resetNow();
}

