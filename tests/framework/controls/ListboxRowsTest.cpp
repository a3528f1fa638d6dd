// The Listbox's row store: safe reads and writes outside the rows, cells
// beyond the column count, whole-row text, and sorting that keeps tags.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/ui/controls/ColumnWidths.h"
#include "framework/ui/controls/ListboxRows.h"

TEST(ListboxRows, ReadsOutsideTheRowsGiveEmptyValuesAndWritesAreIgnored) {
    ListboxRows rows;
    EXPECT_EQ(rows.cell(-1, 0), "");
    EXPECT_EQ(rows.cell(0, 0), "");
    EXPECT_EQ(rows.cellTag(-1, 0), ListboxTag{});
    EXPECT_FALSE(rows.setCell(-1, 0, "x"));
    EXPECT_FALSE(rows.setCell(0, 0, "x"));
    EXPECT_FALSE(rows.setRowText(-1, "a\tb"));
    EXPECT_FALSE(rows.setCellTag(3, 0, 7));
    EXPECT_EQ(rows.count(), 0);

    rows.add("Bread");
    EXPECT_EQ(rows.cell(0, -2), "");
    EXPECT_EQ(rows.cell(0, 9), "");
    EXPECT_FALSE(rows.setCell(0, -2, "x"));
    EXPECT_EQ(rows.rowText(5, 2), "");
}

TEST(ListboxRows, CellsBeyondTheColumnCountAreStoredAndRead) {
    ListboxRows rows;
    int32_t r = rows.add("");
    ASSERT_TRUE(rows.setRowText(r, "Pounds (lb.)\tKilograms (kg)\tlb\t0.45359237"));
    EXPECT_EQ(rows.cell(r, 0), "Pounds (lb.)");
    EXPECT_EQ(rows.cell(r, 3), "0.45359237");
    EXPECT_TRUE(rows.setCell(r, 6, "far"));
    EXPECT_EQ(rows.cell(r, 6), "far");
    EXPECT_EQ(rows.cell(r, 5), "");
}

TEST(ListboxRows, WholeRowTextJoinsAtLeastTheColumnCount) {
    ListboxRows rows;
    rows.add("Dry Measure");
    EXPECT_EQ(rows.rowText(0, 3), "Dry Measure\t\t");
    rows.setRowText(0, "a\tb\tc");
    rows.setCellTag(0, 2, 5);
    rows.setRowText(0, "z");
    EXPECT_EQ(rows.rowText(0, 1), "z\t\t");
    EXPECT_EQ(rows.cellTag(0, 2), 5) << "rewriting the text keeps the tags";
}

TEST(ListboxRows, StableCaseBlindSortMovesTagsAndBoldWithTheirRows) {
    ListboxRows rows;
    const char* names[] = {"pie", "Apple", "bread", "apple"};
    for (int i = 0; i < 4; ++i) {
        rows.add(names[i]);
        rows.setCellTag(i, 0, 100 + i);
        rows.setRowTag(i, 200 + i);
    }
    rows.setCellBold(2, 0, true);

    auto order = rows.sortByColumn(0, true);
    EXPECT_EQ(order, (std::vector<int32_t>{1, 3, 2, 0}));
    EXPECT_EQ(rows.cell(0, 0), "Apple");
    EXPECT_EQ(rows.cell(1, 0), "apple") << "equal keys keep their order";
    EXPECT_EQ(rows.cellTag(0, 0), 101);
    EXPECT_EQ(rows.cellTag(1, 0), 103);
    EXPECT_EQ(rows.rowTag(3), 200);
    EXPECT_TRUE(rows.cellBold(2, 0));

    rows.sortByColumn(0, false);
    EXPECT_EQ(rows.cell(0, 0), "pie");
    EXPECT_EQ(rows.cell(2, 0), "Apple") << "descending keeps equal keys in order too";
}

// A refill keeps a list that holds exactly the rows it read rather than
// reset it under the user's eyes, so any difference makes another list: a
// name's case, a tag's kind or case, a bold mark, a row fewer.
TEST(ListboxRows, RowsAreTheSameOnlyWithTheSameCellsTagsAndMarks) {
    auto list = [](const std::function<void(ListboxRows&)>& change) {
        ListboxRows rows;
        for (const int64_t id : {3, 1}) rows.setCellTag(rows.add("Pie " + std::to_string(id)), 0, Variant(id));
        rows.setCellTag(0, 1, Variant("Pie"));
        change(rows);
        return rows;
    };
    const auto same = [](ListboxRows&) {};
    EXPECT_TRUE(list(same).sameAs(list(same)));
    for (const auto& change : std::vector<std::function<void(ListboxRows&)>>{
             [](ListboxRows& r) { r.setCell(1, 0, "pie 1"); },
             [](ListboxRows& r) { r.setCellTag(1, 0, Variant(int32_t{1})); },
             [](ListboxRows& r) { r.setCellTag(0, 1, Variant("pie")); },
             [](ListboxRows& r) { r.setCellBold(0, 1, true); },
             [](ListboxRows& r) { r.remove(1); }}) {
        EXPECT_FALSE(list(same).sameAs(list(change)));
        EXPECT_FALSE(list(change).sameAs(list(same)));
    }
}

TEST(ColumnWidths, PercentPixelsSharesAndMissingEntries) {
    EXPECT_EQ(resolveColumnWidths("100%", 2, 150), (std::vector<int32_t>{150, 0}));
    EXPECT_EQ(resolveColumnWidths(",,0", 3, 364), (std::vector<int32_t>{182, 182, 0}));
    EXPECT_EQ(resolveColumnWidths("", 3, 100), (std::vector<int32_t>{33, 33, 34}));
    EXPECT_EQ(resolveColumnWidths("40,*", 2, 100), (std::vector<int32_t>{40, 60}));
    EXPECT_EQ(resolveColumnWidths("50%, 2*, *", 3, 200), (std::vector<int32_t>{100, 66, 34}));
    EXPECT_EQ(resolveColumnWidths("300,", 2, 100), (std::vector<int32_t>{300, 0})) << "fixed widths may overflow; shares get nothing";
    EXPECT_EQ(resolveColumnWidths("abc,-5", 2, 100), (std::vector<int32_t>{0, 0}));
    EXPECT_TRUE(resolveColumnWidths("10", 0, 100).empty());
}
