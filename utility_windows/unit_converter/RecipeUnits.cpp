// The converter's behaviour: conversion on every change of amount, row or
// direction, the amount field's key filter, and the units table's handlers.
#include "utility_windows/unit_converter/RecipeUnits.h"

#include "app/EndOfLine.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/Color.h"
#include "framework/graphics/Graphics.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/PopupMenu.h"
#include "utility_windows/unit_converter/AmountKeyFilter.h"
#include "utility_windows/unit_converter/UnitConversion.h"
#include "utility_windows/unit_converter/UnitsTableDesign.h"

RecipeUnitsWindow& recipeUnits() { return implicitInstance<RecipeUnitsWindow>(); }

void RecipeUnitsWindow::convert() {
    const int32_t r = UnitsTable->ListIndex;
    // With no unit pair chosen there is nothing to convert, and a line kept
    // from before would stand beside an amount or direction it is not for.
    if (r < 0) {
        amtCvt->Text = std::string();
        return;
    }
    const Listbox& table = *UnitsTable;
    const UnitRow row{table.Cell(r, 0), table.Cell(r, 1), table.Cell(r, 2), table.Cell(r, 3)};
    amtCvt->Text = conversionLine(monto->Text, row, EnglishToMetric);
}

// --- the units table ---------------------------------------------------------

bool RecipeUnitsWindow::UnitsTable_CellBackgroundPaint(::Graphics& g, int32_t row, int32_t column) {
    if (isUnitsHeadingRow(row)) {
        UnitsTable->CellBold(row, 0) = true;
        g.ForeColor = RGB(176, 223, 169);
    } else {
        g.ForeColor = RGB(255, 255, 255);
    }
    g.FillRect(0, 0, g.Width(), g.Height());
    return false;
}

void RecipeUnitsWindow::UnitsTable_Open() {
    UnitsTable->ListIndex = 1;
    // Showing no sort mark takes setting one first.
    UnitsTable->HeadingIndex = 0;
    UnitsTable->HeadingIndex = -1;
}

bool RecipeUnitsWindow::UnitsTable_KeyDown(const std::string& key) {
    MsgBox("Click on the row which contains the units you need to convert.");
    return false;
}

bool RecipeUnitsWindow::UnitsTable_SortColumn(int32_t column) { return true; }

bool RecipeUnitsWindow::UnitsTable_HeaderPressed(int32_t column) {
    UnitsTable->HeadingIndex = -1;
    return false;
}

void RecipeUnitsWindow::UnitsTable_Change() {
    const int32_t r = UnitsTable->ListIndex;
    if (isUnitsHeadingRow(r)) UnitsTable->ListIndex = r + 1;
    convert();
}

// --- the amount ----------------------------------------------------------------

void RecipeUnitsWindow::monto_TextChange() {
    const std::string t = monto->Text;
    // An amount still being typed ("1/", "1.") or emptied by the key filter
    // keeps the previous line until it means something.
    if (!t.empty() && InStr("/.-", Right(t, 1)) == 0) convert();
    monto->SelStart = Len(t);
}

bool RecipeUnitsWindow::monto_KeyDown(const std::string& key) {
    const std::string text = monto->Text;
    const bool wholeTextSelected = monto->SelLength == Len(text);
    const bool shortcutHeld = Keyboard::CommandKey() || Keyboard::ControlKey();
    const AmountKeyDecision decision = decideAmountKey(key, text, wholeTextSelected, shortcutHeld);
    if (decision.emptyFirst) monto->Text = std::string();
    if (decision.warnNegative) MsgBox(negativeAmountMessage(EndOfLine()));
    return decision.refuse;
}

// --- the direction ----------------------------------------------------------

void RecipeUnitsWindow::setDirectionFromPopup() {
    const int32_t item = ConvertDir->ListIndex;
    if (item == 0) EnglishToMetric = true;
    else if (item == 1) EnglishToMetric = false;
}

void RecipeUnitsWindow::ConvertDir_Change() {
    setDirectionFromPopup();
    convert();
}

// --- the window --------------------------------------------------------------

void RecipeUnitsWindow::AddMenuHandlers() {
    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
}

void RecipeUnitsWindow::Event_Open() {
    if (Application* app = currentApplication()) app->EnableMenuItems();
    UnitsTable->ListIndex = 1;
    monto->SetFocus();
    setDirectionFromPopup();
}

// Nothing is kept: the next converter starts again from its design state.
void RecipeUnitsWindow::Event_Close() {}

void RecipeUnitsWindow::Event_EnableMenuItems() {
    if (MenuBar.get())
        if (MenuItem* close = MenuBar.get()->FindItem("FileClose")) close->Enabled = true;
}

bool RecipeUnitsWindow::_FileClose_Action() {
    Close();
    return false;
}
