#include "framework/ui/controls/ListboxRows.h"

#include "framework/ui/controls/ListText.h"

#include <QString>
#include <algorithm>
#include <numeric>

int32_t ListboxRows::add(std::string text) {
    Row row;
    row.cells.push_back(Cell{std::move(text)});
    rows_.push_back(std::move(row));
    return count() - 1;
}

void ListboxRows::addEmpty(int32_t count) { rows_.resize(rows_.size() + static_cast<size_t>(std::max(count, 0))); }

int32_t ListboxRows::insert(int32_t row, const std::string& text) {
    row = std::clamp(row, 0, count());
    Row r;
    r.cells.push_back(Cell{text});
    rows_.insert(rows_.begin() + row, std::move(r));
    return row;
}

bool ListboxRows::remove(int32_t row) {
    if (!hasRow(row)) return false;
    rows_.erase(rows_.begin() + row);
    return true;
}

const ListboxRows::Cell* ListboxRows::findCell(int32_t row, int32_t column) const {
    if (!hasRow(row) || column < 0) return nullptr;
    const auto& cells = rows_[row].cells;
    if (column >= static_cast<int32_t>(cells.size())) return nullptr;
    return &cells[column];
}

ListboxRows::Cell* ListboxRows::cellForWrite(int32_t row, int32_t column) {
    if (!hasRow(row) || column < 0) return nullptr;
    auto& cells = rows_[row].cells;
    if (column >= static_cast<int32_t>(cells.size())) cells.resize(column + 1);
    return &cells[column];
}

std::string ListboxRows::cell(int32_t row, int32_t column) const {
    const Cell* c = findCell(row, column);
    return c ? c->text : std::string();
}

bool ListboxRows::setCell(int32_t row, int32_t column, std::string text) {
    Cell* c = cellForWrite(row, column);
    if (!c) return false;
    c->text = std::move(text);
    return true;
}

std::string ListboxRows::rowText(int32_t row, int32_t columnCount) const {
    if (!hasRow(row)) return {};
    const auto& cells = rows_[row].cells;
    size_t n = std::max(cells.size(), static_cast<size_t>(std::max(columnCount, 1)));
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        if (i) out += '\t';
        if (i < cells.size()) out += cells[i].text;
    }
    return out;
}

bool ListboxRows::setRowText(int32_t row, const std::string& text) {
    if (!hasRow(row)) return false;
    auto& cells = rows_[row].cells;
    std::vector<std::string> fields = splitTabs(text);
    if (cells.size() < fields.size()) cells.resize(fields.size());
    // Cells the new text does not reach are emptied but keep their tags.
    for (size_t column = 0; column < cells.size(); ++column)
        cells[column].text = column < fields.size() ? std::move(fields[column]) : std::string();
    return true;
}

ListboxTag ListboxRows::cellTag(int32_t row, int32_t column) const {
    const Cell* c = findCell(row, column);
    return c ? c->tag : ListboxTag{};
}

bool ListboxRows::setCellTag(int32_t row, int32_t column, ListboxTag tag) {
    Cell* c = cellForWrite(row, column);
    if (!c) return false;
    c->tag = std::move(tag);
    return true;
}

ListboxTag ListboxRows::rowTag(int32_t row) const {
    return hasRow(row) ? rows_[row].tag : ListboxTag{};
}

bool ListboxRows::setRowTag(int32_t row, ListboxTag tag) {
    if (!hasRow(row)) return false;
    rows_[row].tag = std::move(tag);
    return true;
}

bool ListboxRows::cellBold(int32_t row, int32_t column) const {
    const Cell* c = findCell(row, column);
    return c && c->bold;
}

bool ListboxRows::setCellBold(int32_t row, int32_t column, bool bold) {
    Cell* c = cellForWrite(row, column);
    if (!c) return false;
    c->bold = bold;
    return true;
}

bool ListboxRows::sameAs(const ListboxRows& other) const {
    auto sameCell = [](const Cell& a, const Cell& b) {
        return a.bold == b.bold && a.text == b.text && a.tag.storage() == b.tag.storage();
    };
    auto sameRow = [&](const Row& a, const Row& b) {
        return a.tag.storage() == b.tag.storage() &&
               std::equal(a.cells.begin(), a.cells.end(), b.cells.begin(), b.cells.end(), sameCell);
    };
    return std::equal(rows_.begin(), rows_.end(), other.rows_.begin(), other.rows_.end(), sameRow);
}

std::vector<int32_t> ListboxRows::sortByColumn(int32_t column, bool ascending) {
    // Case-blind order: each key is folded once here, rather than on every
    // one of the n log n comparisons (which made a sorted refill of 100,000
    // rows half as slow again as its query).
    std::vector<QString> keys;
    keys.reserve(rows_.size());
    for (int32_t r = 0; r < count(); ++r) keys.push_back(QString::fromStdString(cell(r, column)).toCaseFolded());

    std::vector<int32_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const int cmp = keys[a].compare(keys[b]);
        return ascending ? cmp < 0 : cmp > 0;
    });

    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (int32_t old : order) sorted.push_back(std::move(rows_[old]));
    rows_ = std::move(sorted);
    return order;
}

ListboxRows::RowKey ListboxRows::key(int32_t row) const {
    RowKey key;
    if (!hasRow(row)) return key;
    const Row& r = rows_[row];
    key.tags.push_back(r.tag);
    for (const Cell& c : r.cells) key.tags.push_back(c.tag);
    while (!key.tags.empty() && key.tags.back().IsNull()) key.tags.pop_back();
    if (!key.tags.empty()) return key;
    for (const Cell& c : r.cells) key.text += c.text + '\t';
    return key;
}

int32_t ListboxRows::find(const RowKey& wanted, int32_t hint) const {
    if (hasRow(hint) && key(hint) == wanted) return hint;
    for (int32_t row = 0; row < count(); ++row)
        if (key(row) == wanted) return row;
    return -1;
}
