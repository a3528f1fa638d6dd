#pragma once
// A list of rows and columns on our own row store (ListboxRows), shown by a
// QTableView through ListboxModel.
//
// What the product relies on:
//  - Cells beyond ColumnCount are stored and read; columns of width 0 (from
//    ColumnWidths) are hidden.
//  - Reading a row or cell that does not exist gives "" and writing one is
//    ignored, never an exception.
//  - Setting ListIndex raises Change at once, also from code, exactly once per
//    real change; clicks, keys and DeleteAllRows (to -1) raise it too.
//  - HeaderPressed, then SortColumn, then a stable sort of the rows (tags move
//    with them) after those handlers ran, then the sort mark.
//  - A refill of many rows reaches the view in one model reset.
#include <memory>
#include <optional>
#include <vector>

#include "framework/graphics/Graphics.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/controls/ListboxRows.h"

class ListboxModel;
class ListboxDelegate;
class ListboxView;

class Listbox : public RectControl {
public:
    Listbox();
    ~Listbox() override;

    // --- design ------------------------------------------------------------
    Property<int32_t> ColumnCount;
    Property<std::string> ColumnWidths;
    Property<bool> HasHeading;
    // Rows separated by CR, cells by tab; with a heading the first line holds
    // the headings.
    Property<std::string> InitialValue;
    Property<int32_t> DefaultRowHeight;  // 0 or less: from the font
    Property<int32_t> GridLinesHorizontal, GridLinesVertical;
    Property<bool> RequiresSelection;
    Property<bool> ScrollBarVertical, ScrollBarHorizontal;
    Property<bool> ColumnsResizable;
    Property<int32_t> SelectionType;  // 0 single (the only kind the product uses)
    Property<std::string> TextFont;
    Property<double> TextSize;
    Property<bool> Bold;

    // --- state -------------------------------------------------------------
    Property<int32_t> ListIndex;  // -1 = no row
    // While a cell is edited, the editor's text; otherwise column 0 of the
    // selected row (setting it with no row selected does nothing).
    Property<std::string> Text;
    Property<int32_t> HeadingIndex;  // column showing the sort mark, -1 none
    Property<int32_t> SortedColumn;  // column Sort() orders by, -1 none

    // --- rows --------------------------------------------------------------
    void AddRow(const std::string& text = std::string());
    void InsertRow(int32_t row, const std::string& text = std::string());
    void RemoveRow(int32_t row);
    void DeleteAllRows();
    // Every row replaced by `rows` (built anywhere, on a worker thread say)
    // in one model reset, as DeleteAllRows and then the adds would leave
    // them; the rows before are handed back (to be freed off the event
    // loop, say).
    ListboxRows ReplaceRows(ListboxRows rows);
    // The list holds exactly `rows` (ListboxRows::sameAs).
    bool Holds(const ListboxRows& rows) const { return rows_.sameAs(rows); }
    int32_t LastIndex() const { return lastIndex_; }
    int32_t ListCount() const { return rows_.count(); }
    std::string List(int32_t row) const { return rows_.cell(row, 0); }
    bool Selected(int32_t row) const { return row >= 0 && row == listIndex_; }

    // Cell(r, c) reads and assigns like the old framework's: column -1 is the
    // whole row, cells joined by tabs.
    class CellRef {
    public:
        operator std::string() const;
        CellRef& operator=(const std::string& text);
        CellRef& operator=(const char* text) { return *this = std::string(text); }
        std::string str() const { return *this; }
        friend bool operator==(const CellRef& a, const std::string& b) { return a.str() == b; }

    private:
        friend class Listbox;
        CellRef(Listbox& l, int32_t r, int32_t c) : list_(l), row_(r), column_(c) {}
        Listbox& list_;
        int32_t row_, column_;
    };
    CellRef Cell(int32_t row, int32_t column) { return CellRef(*this, row, column); }
    std::string Cell(int32_t row, int32_t column) const;

    template <class T, class Get, class Set>
    class Ref {
    public:
        Ref(Get get, Set set) : get_(get), set_(set) {}
        operator T() const { return get_(); }
        Ref& operator=(const T& v) {
            set_(v);
            return *this;
        }

    private:
        Get get_;
        Set set_;
    };
    auto CellTag(int32_t row, int32_t column) {
        return makeRef<ListboxTag>([=, this] { return rows_.cellTag(row, column); },
                                   [=, this](const ListboxTag& t) { rows_.setCellTag(row, column, t); });
    }
    auto RowTag(int32_t row) {
        return makeRef<ListboxTag>([=, this] { return rows_.rowTag(row); },
                                   [=, this](const ListboxTag& t) { rows_.setRowTag(row, t); });
    }
    auto CellBold(int32_t row, int32_t column) {
        return makeRef<bool>([=, this] { return rows_.cellBold(row, column); },
                             [=, this](const bool& b) { setCellBold(row, column, b); });
    }
    auto Heading(int32_t column) {
        return makeRef<std::string>([=, this] { return heading(column); },
                                    [=, this](const std::string& h) { setHeading(column, h); });
    }

    // Opens the cell for editing in place.
    void EditCell(int32_t row, int32_t column);
    // Ends an open cell edit as Return does: the cell keeps the editor's
    // text and CellLostFocus is raised. Nothing happens when none is open.
    void EndCellEdit();
    bool CellEditing() const { return editing(); }
    // Sorts by SortedColumn in its current direction.
    void Sort();
    // That direction: whether SortedColumn sorts ascending.
    bool SortsAscending() const;

    // --- events ------------------------------------------------------------
    Event<void()> Change;
    Event<bool(int32_t row, int32_t column, int32_t x, int32_t y)> CellClick;
    Event<void(int32_t row, int32_t column)> CellTextChange, CellLostFocus;
    Event<bool(int32_t column)> HeaderPressed, SortColumn;
    Event<bool(::Graphics& g, int32_t row, int32_t column)> CellBackgroundPaint;

    virtual void handleChange() { Change(); }
    virtual bool handleCellClick(int32_t row, int32_t column, int32_t x, int32_t y) {
        return CellClick(row, column, x, y);
    }
    virtual void handleCellTextChange(int32_t row, int32_t column) { CellTextChange(row, column); }
    virtual void handleCellLostFocus(int32_t row, int32_t column) { CellLostFocus(row, column); }
    virtual bool handleHeaderPressed(int32_t column) { return HeaderPressed(column); }
    virtual bool handleSortColumn(int32_t column) { return SortColumn(column); }
    virtual bool handleCellBackgroundPaint(::Graphics& g, int32_t row, int32_t column) {
        return CellBackgroundPaint(g, row, column);
    }
    // Redrawing shows rows that were still waiting for the view.
    void Refresh(bool eraseBackground = true) override;
    void UpdateNow() override;

    // While a cell is edited, the Edit menu acts on its editor.
    bool canStandardEdit(const std::string& itemName) const override;
    bool doStandardEdit(const std::string& itemName) override;

    // Whether cells get a background Graphics at all; a subclass that paints
    // backgrounds itself answers true.
    virtual bool paintsCellBackgrounds() const { return CellBackgroundPaint.bound(); }

    // --- framework-internal --------------------------------------------------
    ListboxView* view() const { return view_; }
    ListboxModel* model() const { return model_.get(); }
    const ListboxRows& rows() const { return rows_; }
    // The user pressed the mouse at (x, y) in the view's viewport: CellClick,
    // then selection, on the row the press was aimed at (see
    // pressTakingFocus); `secondOfDoubleClick` (the window system's double
    // click) goes to the row the first press went to. Answers whether the
    // press was used.
    bool userPressed(int x, int y, bool secondOfDoubleClick = false);
    // A press is giving the list the focus. The focus change comes first and
    // may refill or re-sort the rows (the control that loses the focus saves
    // its edit), so the row under the pointer now is the one the press is
    // aimed at; it is found again by its key when the press arrives.
    void pressTakingFocus() override;
    // The user pressed a column header.
    void userPressedHeader(int32_t column);
    // Puts the header's sort mark back to HeadingIndex and its direction
    // (the header turns it over by itself at the end of a click).
    void syncSortMark();
    // Brings the view up to date with the rows now.
    void syncView();

protected:
    void geometryApplied() override;

private:
    template <class T, class Get, class Set>
    static Ref<T, Get, Set> makeRef(Get get, Set set) {
        return Ref<T, Get, Set>(get, set);
    }

    void setListIndex(int32_t index);
    void userSelected(int32_t index);
    void showSelection();
    void applyColumns();
    void applyLook();
    void loadInitialValue();
    void setCellBold(int32_t row, int32_t column, bool bold);
    std::string heading(int32_t column) const;
    void setHeading(int32_t column, const std::string& text);
    void sortBy(int32_t column, bool ascending);
    void showSortMark(int32_t column);
    std::string editorText() const;
    bool editing() const;

    ListboxRows rows_;
    std::unique_ptr<ListboxModel> model_;
    ListboxDelegate* delegate_;
    ListboxView* view_;
    int32_t listIndex_ = -1;
    int32_t lastIndex_ = -1;
    int32_t headingIndex_ = -1;
    int32_t sortedColumn_ = -1;
    std::vector<bool> descending_;
    // The row the press that gave the focus was aimed at (nullopt: none) and
    // where the pointer was, kept until that press arrives or the loop turns.
    struct Aim {
        std::optional<ListboxRows::RowKey> row;
        int32_t pointerX = 0, pointerY = 0;  // on the screen
    };
    std::optional<Aim> aimedAt_;
    std::optional<ListboxRows::RowKey> lastPressed_;
    int showing_ = 0;
};
