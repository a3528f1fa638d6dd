#pragma once
// The rows of a Listbox, kept apart from any view. A row stores as many cells
// as were written to it, including cells beyond the list's column count (the
// units table keeps its conversion factor in a column nobody sees). Reading a
// row or cell that does not exist gives an empty value and writing one is
// ignored: product code writes "the selected row" while none is selected, and
// an exception there would end the application.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/ui/controls/ListboxTag.h"

class ListboxRows {
public:
    int32_t count() const { return static_cast<int32_t>(rows_.size()); }
    bool hasRow(int32_t row) const { return row >= 0 && row < count(); }

    // Appends a row whose first cell is `text`; answers its index.
    int32_t add(std::string text);
    // Appends `count` rows without cells. Threads may then fill different
    // rows at once (setCell, setCellTag), each its own.
    void addEmpty(int32_t count);
    // Inserts before `row` (clamped to 0..count); answers the index used.
    int32_t insert(int32_t row, const std::string& text);
    bool remove(int32_t row);
    void clear() { rows_.clear(); }
    void reserve(size_t n) { rows_.reserve(n); }

    std::string cell(int32_t row, int32_t column) const;
    bool setCell(int32_t row, int32_t column, std::string text);

    // Column -1 addresses the whole row: read as its cells joined by tabs
    // (at least `columnCount` of them), written by splitting at tabs.
    std::string rowText(int32_t row, int32_t columnCount) const;
    bool setRowText(int32_t row, const std::string& text);

    ListboxTag cellTag(int32_t row, int32_t column) const;
    bool setCellTag(int32_t row, int32_t column, ListboxTag tag);
    ListboxTag rowTag(int32_t row) const;
    bool setRowTag(int32_t row, ListboxTag tag);

    // The same rows: cells of the same text, tags (exactly, as stored) and
    // bold marks, and the same row tags.
    bool sameAs(const ListboxRows& other) const;

    bool cellBold(int32_t row, int32_t column) const;
    bool setCellBold(int32_t row, int32_t column, bool bold);

    // What tells a row apart when the rows are refilled or re-sorted under
    // it: its tags when it has any (the product keeps record ids there),
    // else the text of its cells.
    struct RowKey {
        std::vector<ListboxTag> tags;
        std::string text;
        bool operator==(const RowKey&) const = default;
    };
    RowKey key(int32_t row) const;
    // The row with that key now (`hint` is tried first), or -1.
    int32_t find(const RowKey& key, int32_t hint) const;

    // Stable sort by the text of one column, case-blind. Whole rows move, so
    // tags and bold marks stay with their cells. Answers, for each new
    // position, the old index of the row now there.
    std::vector<int32_t> sortByColumn(int32_t column, bool ascending);

private:
    struct Cell {
        std::string text;
        ListboxTag tag{};
        bool bold = false;
    };
    struct Row {
        std::vector<Cell> cells;
        ListboxTag tag{};
    };

    const Cell* findCell(int32_t row, int32_t column) const;
    Cell* cellForWrite(int32_t row, int32_t column);

    std::vector<Row> rows_;
};
