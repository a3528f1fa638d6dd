// The converter as the user meets it: how it opens, the units table, the
// amount field's key filter, and closing.
#include <QCoreApplication>
#include <QImage>

#include "framework/ui/controls/TabPanel.h"
#include "framework/ui/controls/ListboxModel.h"
#include "framework/ui/controls/ListboxView.h"
#include "tests/utility_windows/ConverterTestSupport.h"
#include "utility_windows/unit_converter/EquivalencySheet.h"

namespace {

TEST_F(ConverterFixture, OpensOnPoundsToKilogramsWithTheAmountFocused) {
    EXPECT_EQ(w->Title(), "Units Reference");
    EXPECT_EQ(w->UnitsTable->ListIndex(), kPounds);
    EXPECT_EQ(w->ConvertDir->ListIndex(), 0);
    EXPECT_TRUE(w->EnglishToMetric);
    EXPECT_EQ(w->monto->Text(), "0");
    EXPECT_EQ(w->amtCvt->Text(), "0 lb. = 0.00 kg");
    EXPECT_EQ(w->Focus(), w->monto);
    EXPECT_EQ(w->UnitsTable->HeadingIndex(), -1);
}

TEST_F(ConverterFixture, TheTableShowsLabelsAndHidesKeysAndFactors) {
    const Listbox& table = *w->UnitsTable;
    EXPECT_EQ(table.ListCount(), 13);
    EXPECT_EQ(table.Cell(12, 0), "Degrees Fahrenheit (°F)");
    EXPECT_EQ(table.Cell(8, 1), "Milliliters (mL)");
    EXPECT_EQ(table.Cell(8, 2), "floz");
    EXPECT_EQ(table.Cell(8, 3), "29.5735297");
    EXPECT_EQ(table.Cell(3, 0), "Liquid Measure (Volume)");
    EXPECT_EQ(static_cast<std::string>(w->UnitsTable->Heading(1)), "International (SI/Metric)");
}

TEST_F(ConverterFixture, AHeadingRowPassesItsSelectionToTheRowBelow) {
    w->monto->Text = std::string("1");
    w->UnitsTable->ListIndex = 11;
    EXPECT_EQ(w->UnitsTable->ListIndex(), kFahrenheit);
    EXPECT_EQ(w->amtCvt->Text(), "1 °F = -17 °C");
    w->UnitsTable->ListIndex = 0;
    EXPECT_EQ(w->UnitsTable->ListIndex(), kPounds);
    w->UnitsTable->ListIndex = 3;
    EXPECT_EQ(w->UnitsTable->ListIndex(), kGallons);
    EXPECT_EQ(w->amtCvt->Text(), "1 gal. = 3.79 L");
}

TEST_F(ConverterFixture, WithNoRowSelectedNoLineForAnotherAmountStays) {
    w->monto->Text = std::string("2");
    w->UnitsTable->ListIndex = -1;
    EXPECT_EQ(w->amtCvt->Text(), "") << "no unit pair: nothing converted";
    w->monto->Text = std::string("5");
    w->ConvertDir->ListIndex = 1;
    EXPECT_EQ(w->amtCvt->Text(), "") << "a line for 2 must not stand beside the amount 5";
    w->UnitsTable->ListIndex = kPounds;
    EXPECT_EQ(w->amtCvt->Text(), "5 kg = 11.02 lb.");
}

TEST_F(ConverterFixture, HeadingRowsAreBoldOnGreen) {
    w->UnitsTable->syncView();
    QImage shot = w->UnitsTable->view()->viewport()->grab().toImage();
    auto colourAt = [&](int row, int column) {
        QRect cell = w->UnitsTable->view()->visualRect(w->UnitsTable->model()->index(row, column));
        return shot.pixel(cell.right() - 2, cell.center().y()) & 0xFFFFFF;
    };
    EXPECT_EQ(colourAt(3, 1), 0xB0DFA9u);
    EXPECT_EQ(colourAt(4, 1), 0xFFFFFFu);
    EXPECT_TRUE(static_cast<bool>(w->UnitsTable->CellBold(11, 0)));
    EXPECT_FALSE(static_cast<bool>(w->UnitsTable->CellBold(12, 0)));
}

TEST_F(ConverterFixture, AHeaderClickNeitherSortsNorMovesTheSelection) {
    w->UnitsTable->ListIndex = kCups;
    w->UnitsTable->userPressedHeader(0);
    EXPECT_EQ(w->UnitsTable->Cell(0, 0), "Dry Measure");
    EXPECT_EQ(w->UnitsTable->Cell(12, 0), "Degrees Fahrenheit (°F)");
    EXPECT_EQ(w->UnitsTable->ListIndex(), kCups);
    EXPECT_EQ(w->UnitsTable->HeadingIndex(), -1);
}

TEST_F(ConverterFixture, AKeyInTheTableExplainsAndStillMoves) {
    w->UnitsTable->ListIndex = kGallons;
    ui.dialogs().expectMsgBox("Click on the row which contains the units you need to convert.");
    ui.key(*w->UnitsTable, "\x1E");  // up arrow: onto the heading, then back
    EXPECT_EQ(w->UnitsTable->ListIndex(), kGallons);
}

// --- the amount field's keys --------------------------------------------------

struct AmountKeys : ConverterFixture {
    void setAmount(const std::string& text) {
        w->monto->Text = text;
        w->monto->SelStart = static_cast<int32_t>(text.size());
    }
};

TEST_F(AmountKeys, AFractionIsTypedAndConvertedWhenComplete) {
    setAmount("");
    w->monto->SelStart = 0;
    ui.key(*w->monto, "1");
    EXPECT_EQ(w->amtCvt->Text(), "1 lb. = 0.45 kg");
    ui.key(*w->monto, "/");
    EXPECT_EQ(w->monto->Text(), "1/");
    EXPECT_EQ(w->amtCvt->Text(), "1 lb. = 0.45 kg");
    ui.key(*w->monto, "2");
    EXPECT_EQ(w->amtCvt->Text(), "1/2 lb. = 0.23 kg");
}

TEST_F(AmountKeys, OnlyOneSlashOrPointIsTaken) {
    setAmount("1/2");
    ui.key(*w->monto, ".");
    ui.key(*w->monto, "/");
    EXPECT_EQ(w->monto->Text(), "1/2");
    setAmount("1.5");
    ui.key(*w->monto, "/");
    ui.key(*w->monto, ".");
    EXPECT_EQ(w->monto->Text(), "1.5");
}

TEST_F(AmountKeys, LettersBlanksAndMovementKeysAreRefused) {
    setAmount("12");
    for (const char* key : {"a", " ", "\t", "\r", "\x1E", "\x1F", "\x7F", "+", "e"}) ui.key(*w->monto, key);
    EXPECT_EQ(w->monto->Text(), "12");
    EXPECT_EQ(w->Focus(), w->monto);  // Tab did not move on
    ui.key(*w->monto, "\x1C");        // left arrow passes
    ui.key(*w->monto, "5");
    EXPECT_EQ(w->monto->Text(), "152");
    EXPECT_EQ(w->monto->SelStart(), 3);  // the caret goes back to the end
    ui.key(*w->monto, "\x08");
    EXPECT_EQ(w->monto->Text(), "15");
}

TEST_F(AmountKeys, AMinusIsRefusedAndExplainedOnlyOnAnEmptyAmount) {
    setAmount("3");
    ui.key(*w->monto, "-");
    EXPECT_EQ(w->monto->Text(), "3");
    EXPECT_TRUE(ui.dialogs().calls().empty());
    w->monto->SelStart = 0;
    w->monto->SelLength = 1;
    ui.dialogs().expectMsgBox(
        "Negative numbers not accepted for kitchen purposes.\r\rTry the Calculator application for this.");
    ui.key(*w->monto, "-");
    EXPECT_EQ(w->monto->Text(), "");
}

TEST_F(AmountKeys, AKeyOverTheWholeTextEmptiesItFirst) {
    setAmount("250");
    w->monto->SelStart = 0;
    w->monto->SelLength = 3;
    ui.key(*w->monto, "x");
    EXPECT_EQ(w->monto->Text(), "");
    EXPECT_EQ(w->amtCvt->Text(), "250 lb. = 113.40 kg");  // an emptied amount keeps the line
    setAmount("250");
    w->monto->SelStart = 0;
    w->monto->SelLength = 3;
    ui.key(*w->monto, "/");
    EXPECT_EQ(w->monto->Text(), "/");
}

TEST_F(AmountKeys, CommandKeysPassUntouched) {
    setAmount("42");
    w->monto->SelStart = 0;
    w->monto->SelLength = 2;
    ui.key(*w->monto, "c", UiDriver::Command);
    EXPECT_EQ(w->monto->Text(), "42");
    EXPECT_EQ(w->monto->SelLength(), 2);
}

// --- the reference sheet and closing ----------------------------------------------

TEST_F(ConverterFixture, TheSheetHas31LinesWithItsSeparators) {
    const auto& lines = equivalencySheetLines();
    ASSERT_EQ(lines.size(), 31u);
    for (size_t n : {4u, 13u, 17u, 22u, 27u}) EXPECT_EQ(lines[n - 1], std::string(52, '-')) << n;
    EXPECT_EQ(lines[15], "  °F       °C      Gas mark   Descriptions");
    EXPECT_EQ(lines[30], "500°     250°       10        Extremely hot");
    EXPECT_EQ(w->EditField1->Text(), equivalencySheet("\r"));
    EXPECT_TRUE(w->EditField1->ReadOnly());
}

TEST_F(ConverterFixture, ClosingForgetsEverything) {
    w->ConvertDir->ListIndex = 1;
    w->UnitsTable->ListIndex = kCups;
    w->monto->Text = std::string("3");
    ui.activate(*w);
    EXPECT_TRUE(ui.chooseMenu("FileClose"));
    ui.settle();
    RecipeUnitsWindow& fresh = recipeUnits();
    EXPECT_EQ(fresh.monto->Text(), "0");
    EXPECT_EQ(fresh.UnitsTable->ListIndex(), kPounds);
    EXPECT_EQ(fresh.amtCvt->Text(), "0 lb. = 0.00 kg");
}

}  // namespace
