#include "framework/ui/controls/Listbox.h"
#include "framework/ui/HandlerScope.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>

#include "framework/graphics/FontMapping.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/controls/ColumnWidths.h"
#include "framework/ui/controls/ListText.h"
#include "framework/ui/controls/ListboxDelegate.h"
#include "framework/ui/controls/ListboxModel.h"
#include "framework/ui/controls/ListboxView.h"

Listbox::Listbox()
    : ColumnCount(1), ColumnWidths(std::string()), HasHeading(false), InitialValue(std::string()),
      DefaultRowHeight(-1), GridLinesHorizontal(0), GridLinesVertical(0), RequiresSelection(false),
      ScrollBarVertical(true), ScrollBarHorizontal(false), ColumnsResizable(false), SelectionType(0),
      TextFont(std::string("System")), TextSize(0.0), Bold(false),
      ListIndex([this] { return listIndex_; }, [this](const int32_t& i) { setListIndex(i); }),
      Text([this] { return editing() ? editorText() : rows_.cell(listIndex_, 0); },
           [this](const std::string& text) {
               if (editing()) delegate_->editor()->setText(QString::fromStdString(text));
               else Cell(listIndex_, 0) = text;  // no selected row: ignored
           }),
      HeadingIndex([this] { return headingIndex_; }, [this](const int32_t& column) { showSortMark(column); }),
      SortedColumn([this] { return sortedColumn_; }, [this](const int32_t& column) { sortedColumn_ = std::max(column, -1); }),
      model_(std::make_unique<ListboxModel>(rows_)), delegate_(nullptr), view_(nullptr) {
    view_ = new ListboxView(*this);
    delegate_ = new ListboxDelegate(view_);
    view_->setModel(model_.get());
    view_->setItemDelegate(delegate_);
    delegate_->reportClosedEditors();
    setWidget(view_);
    routeInputFrom(view_->viewport());
    AcceptFocus = true;

    delegate_->wantsBackgroundPaint = [this] { return paintsCellBackgrounds(); };
    delegate_->paintBackground = [this](::Graphics& g, int row, int column) {
        return guarded([&] { return handleCellBackgroundPaint(g, row, column); });
    };
    delegate_->editorTextEdited = [this](int row, int column) {
        guardedHandler(*this, [&] { handleCellTextChange(row, column); });
    };
    delegate_->editorClosed = [this](int row, int column) { guardedHandler(*this, [&] { handleCellLostFocus(row, column); }); };

    QObject::connect(model_.get(), &ListboxModel::viewReset, view_, [this] {
        applyColumns();
        showSelection();
    });
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, view_, [this] {
        if (showing_ > 0) return;
        QModelIndexList rows = view_->selectionModel()->selectedRows();
        guardedHandler(*this, [&] { userSelected(rows.isEmpty() ? -1 : rows.first().row()); });
    });

    ColumnCount.onChange([this](const int32_t& n) {
        model_->setColumns(std::max(n, 1));
        applyColumns();
    });
    ColumnWidths.onChange([this](const std::string&) { applyColumns(); });
    HasHeading.onChange([this](const bool& shown) {
        view_->horizontalHeader()->setVisible(shown);
        if (!InitialValue.get().empty()) loadInitialValue();
    });
    InitialValue.onChange([this](const std::string&) { loadInitialValue(); });
    DefaultRowHeight.onChange([this](const int32_t&) { applyLook(); });
    GridLinesHorizontal.onChange([this](const int32_t&) { applyLook(); });
    GridLinesVertical.onChange([this](const int32_t&) { applyLook(); });
    ScrollBarVertical.onChange([this](const bool&) { applyLook(); });
    ScrollBarHorizontal.onChange([this](const bool&) { applyLook(); });
    ColumnsResizable.onChange([this](const bool&) { applyColumns(); });
    TextFont.onChange([this](const std::string&) { applyLook(); });
    TextSize.onChange([this](const double&) { applyLook(); });
    Bold.onChange([this](const bool&) { applyLook(); });
    view_->horizontalHeader()->setVisible(false);
    applyLook();
    applyColumns();
}

// The view (a child of the control's widget tree) goes with the widget; the
// model must outlive it, so the widget is deleted first by RectControl and
// the model here afterwards.
Listbox::~Listbox() = default;

// --- rows -------------------------------------------------------------------

void Listbox::AddRow(const std::string& text) {
    lastIndex_ = rows_.add(text);
    model_->rowsAdded();
}

void Listbox::InsertRow(int32_t row, const std::string& text) {
    lastIndex_ = rows_.insert(row, text);
    if (listIndex_ >= lastIndex_ && listIndex_ >= 0) ++listIndex_;  // the same row stays selected
    model_->resetNow();
}

void Listbox::RemoveRow(int32_t row) {
    if (!rows_.hasRow(row)) return;
    if (editing()) view_->closePersistentEditor(view_->currentIndex());
    rows_.remove(row);
    bool selectedGone = row == listIndex_;
    if (row < listIndex_) --listIndex_;
    if (selectedGone) listIndex_ = -1;
    model_->resetNow();
    if (selectedGone) handleChange();
}

ListboxRows Listbox::ReplaceRows(ListboxRows rows) {
    std::swap(rows_, rows);
    lastIndex_ = rows_.count() - 1;
    model_->resetNow();
    setListIndex(-1);
    return rows;
}

void Listbox::DeleteAllRows() {
    rows_.clear();
    lastIndex_ = -1;
    model_->resetNow();
    setListIndex(-1);
}

Listbox::CellRef::operator std::string() const {
    return static_cast<const Listbox&>(list_).Cell(row_, column_);
}

Listbox::CellRef& Listbox::CellRef::operator=(const std::string& text) {
    if (column_ == -1) {
        if (list_.rows_.setRowText(row_, text)) list_.model_->rowChanged(row_);
    } else if (list_.rows_.cell(row_, column_) != text && list_.rows_.setCell(row_, column_, text)) {
        list_.model_->cellChanged(row_, column_);
    }
    return *this;
}

std::string Listbox::Cell(int32_t row, int32_t column) const {
    if (column == -1) return rows_.rowText(row, ColumnCount.get());
    return rows_.cell(row, column);
}

// Paint handlers set CellBold while the list paints (the units table bolds
// its heading rows); only a real change may ask for another paint, or the
// list would repaint for ever.
void Listbox::setCellBold(int32_t row, int32_t column, bool bold) {
    if (rows_.cellBold(row, column) == bold) return;
    if (rows_.setCellBold(row, column, bold)) model_->cellChanged(row, column);
}

std::string Listbox::heading(int32_t column) const { return model_->heading(column); }

void Listbox::setHeading(int32_t column, const std::string& text) { model_->setHeading(column, text); }

// With a heading, the first line of the design text holds the headings.
void Listbox::loadInitialValue() {
    rows_.clear();
    lastIndex_ = -1;
    std::vector<std::string> lines = splitLines(InitialValue.get());
    size_t first = 0;
    if (HasHeading.get() && !lines.empty()) {
        std::vector<std::string> headings = splitTabs(lines[0]);
        for (size_t c = 0; c < headings.size(); ++c) setHeading(static_cast<int32_t>(c), headings[c]);
        first = 1;
    }
    for (size_t i = first; i < lines.size(); ++i) {
        lastIndex_ = rows_.add("");
        rows_.setRowText(lastIndex_, lines[i]);
    }
    model_->resetNow();
    setListIndex(-1);
}

// --- selection --------------------------------------------------------------

// Any value that names no row means no selection: the product sets 0 on an
// empty list and expects nothing to happen.
void Listbox::setListIndex(int32_t index) {
    if (!rows_.hasRow(index)) index = -1;
    if (index == listIndex_) {
        showSelection();
        return;
    }
    listIndex_ = index;
    showSelection();
    handleChange();
}

void Listbox::userSelected(int32_t index) {
    if (index == listIndex_) return;
    setListIndex(index);
}

void Listbox::showSelection() {
    ++showing_;
    if (listIndex_ >= 0) {
        model_->sync();
        QModelIndex i = model_->index(listIndex_, 0);
        view_->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view_->scrollTo(i);
    } else {
        view_->selectionModel()->clearSelection();
        view_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    --showing_;
}

// --- look -------------------------------------------------------------------

void Listbox::syncView() { model_->sync(); }

void Listbox::Refresh(bool eraseBackground) {
    syncView();
    RectControl::Refresh(eraseBackground);
}

void Listbox::UpdateNow() {
    syncView();
    RectControl::UpdateNow();
}

void Listbox::geometryApplied() { applyColumns(); }

void Listbox::applyColumns() {
    int32_t n = std::max(ColumnCount.get(), 1);
    int32_t width = std::max(Width.get(), 0) - 2 * view_->frameWidth();
    std::vector<int32_t> widths = resolveColumnWidths(ColumnWidths.get(), n, width);
    QHeaderView* header = view_->horizontalHeader();
    header->setSectionResizeMode(ColumnsResizable.get() ? QHeaderView::Interactive : QHeaderView::Fixed);
    header->setMinimumSectionSize(0);
    for (int32_t c = 0; c < n && c < model_->columnCount(); ++c) {
        view_->setColumnHidden(c, widths[c] <= 0);
        if (widths[c] > 0) view_->setColumnWidth(c, widths[c]);
    }
}

void Listbox::applyLook() {
    QFont font = resolveFont(TextFont.get(), TextSize.get(), Bold.get());
    view_->setFont(font);
    model_->setBaseFont(font);
    int32_t rowHeight = DefaultRowHeight.get();
    if (rowHeight <= 0) rowHeight = QFontMetrics(font).height() + 2;
    view_->verticalHeader()->setDefaultSectionSize(rowHeight);
    view_->setVerticalScrollBarPolicy(ScrollBarVertical.get() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    view_->setHorizontalScrollBarPolicy(ScrollBarHorizontal.get() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    delegate_->gridHorizontal = GridLinesHorizontal.get() > 0;
    delegate_->gridVertical = GridLinesVertical.get() > 0;
    view_->viewport()->update();
}
