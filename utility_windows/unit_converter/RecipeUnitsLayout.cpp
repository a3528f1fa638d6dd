// The converter's layout: window design values and its controls in creation
// order, then the handlers bound by event name.
#include "app/MenuBar1.h"
#include "framework/ui/ControlPlacement.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/StaticText.h"
#include "framework/ui/controls/TabPanel.h"
#include "utility_windows/unit_converter/EquivalencySheet.h"
#include "utility_windows/unit_converter/RecipeUnits.h"
#include "utility_windows/unit_converter/UnitsTableDesign.h"

namespace {
// Tab indexes of the panel, from 0.
constexpr int32_t kConversionsTab = 0;
constexpr int32_t kEquivalencyTab = 1;
}  // namespace

RecipeUnitsWindow::RecipeUnitsWindow() {
    Title = std::string("Units Reference");
    Width = 480;
    Height = 440;
    Frame = static_cast<int32_t>(DocumentFrame);
    Resizeable = false;
    CloseButton = true;
    MaximizeButton = false;
    // Callers fill the amount, then Show; nothing flashes before that.
    Visible = false;
    MenuBar = MenuBar1();
    _CreateControls0();
    bindHandlers();
    AddMenuHandlers();
    // The first conversion runs while the controls open, before Event_Open:
    // take the direction from the pop-up now, so that line already agrees
    // with what the pop-up says.
    setDirectionFromPopup();
}

void RecipeUnitsWindow::_CreateControls0() {
    TabPanel1 = add<TabPanel>("TabPanel1");
    TabPanel1->Left = 20;
    TabPanel1->Top = 10;
    TabPanel1->Width = 440;
    TabPanel1->Height = 410;
    TabPanel1->SetCaptions({"Unit Conversions", "Equivalency"});
    TabPanel1->Value = kConversionsTab;

    UnitsTable = add<Listbox>("UnitsTable", TabPanel1);
    place(*UnitsTable, 58, 60, 364, 235).TabPanelIndex = kConversionsTab;
    UnitsTable->TextFont = std::string("SmallSystem");
    UnitsTable->ColumnCount = 3;
    UnitsTable->ColumnWidths = std::string(",,0");
    UnitsTable->HasHeading = true;
    UnitsTable->DefaultRowHeight = 16;
    UnitsTable->GridLinesVertical = 2;
    UnitsTable->GridLinesHorizontal = 0;
    UnitsTable->ScrollBarVertical = false;
    UnitsTable->ScrollBarHorizontal = false;
    UnitsTable->RequiresSelection = false;
    UnitsTable->ColumnsResizable = false;
    UnitsTable->SortedColumn = -1;
    UnitsTable->InitialValue = unitsTableInitialValue();
    UnitsTable->HelpTag = std::string(
        "Select the unit conversion you want from the list. U.S. Customary units vary from their Imperial "
        "counterparts.");

    StaticText1 = add<StaticText>("StaticText1", TabPanel1);
    place(*StaticText1, 58, 313, 107, 20).TabPanelIndex = kConversionsTab;
    StaticText1->Text = std::string("Amount to convert:");
    StaticText1->TextAlign = 2;
    StaticText1->TextColor = 0x000000;
    StaticText1->TextFont = std::string("SmallSystem");

    monto = add<EditField>("monto", TabPanel1);
    place(*monto, 172, 313, 81, 22).TabPanelIndex = kConversionsTab;
    monto->Text = std::string("0");
    monto->Alignment = 3;
    monto->Border = true;
    monto->TextFont = std::string("SmallSystem");
    monto->HelpTag = std::string(
        "Enter the amount to convert in this field. Negatives are not accepted nor are whole numbers with "
        "fractions. Fractions alone are accepted.");

    EditField1 = add<EditField>("EditField1", TabPanel1);
    EditField1->MultiLine = true;
    place(*EditField1, 52, 52, 376, 352).TabPanelIndex = kEquivalencyTab;
    EditField1->ReadOnly = true;
    EditField1->AcceptTabs = true;
    EditField1->Border = true;
    EditField1->ScrollbarVertical = true;
    EditField1->TextFont = std::string("Courier");
    EditField1->TextSize = 11.0;
    EditField1->Text = equivalencySheet("\r");

    ConvertDir = add<PopupMenu>("ConvertDir", TabPanel1);
    place(*ConvertDir, 58, 361, 195, 20).TabPanelIndex = kConversionsTab;
    ConvertDir->InitialValue = std::string("US Customary to Metric\rMetric to US Customary");
    ConvertDir->ListIndex = 0;
    ConvertDir->TextFont = std::string("SmallSystem");
    ConvertDir->HelpTag = std::string("Select the conversion direction you require");

    amtCvt = add<EditField>("amtCvt", TabPanel1);
    place(*amtCvt, 271, 313, 149, 22).TabPanelIndex = kConversionsTab;
    amtCvt->ReadOnly = true;
    amtCvt->Border = true;
    amtCvt->Alignment = 1;
    amtCvt->TextFont = std::string("SmallSystem");
    amtCvt->HelpTag = std::string(
        "The conversion from the list for the amount specified in the direction shown in the popup.");
}

void RecipeUnitsWindow::bindHandlers() {
    UnitsTable->CellBackgroundPaint = [this](::Graphics& g, int32_t row, int32_t column) {
        return UnitsTable_CellBackgroundPaint(g, row, column);
    };
    UnitsTable->Open = [this] { UnitsTable_Open(); };
    UnitsTable->KeyDown = [this](std::string key) { return UnitsTable_KeyDown(key); };
    UnitsTable->SortColumn = [this](int32_t column) { return UnitsTable_SortColumn(column); };
    UnitsTable->HeaderPressed = [this](int32_t column) { return UnitsTable_HeaderPressed(column); };
    UnitsTable->Change = [this] { UnitsTable_Change(); };
    monto->TextChange = [this] { monto_TextChange(); };
    monto->KeyDown = [this](std::string key) { return monto_KeyDown(key); };
    ConvertDir->Change = [this] { ConvertDir_Change(); };
    Open = [this] { Event_Open(); };
    Close = [this] { Event_Close(); };
    EnableMenuItems = [this] { Event_EnableMenuItems(); };
}
