#pragma once
// The unit converter and units reference: converts an amount between US
// customary kitchen measures and metric ones, one unit pair at a time, and
// shows a fixed sheet of kitchen equivalencies. It reads no database and
// writes no file; closing it forgets everything, so the next one starts from
// amount "0", pounds to kilograms.
//
// Other windows hand it work by setting the text of `monto` (any text; it
// bypasses the key filter) and calling Show; the text change converts.
#include <cstdint>
#include <string>

#include "framework/ui/Window.h"

class EditField;
class Graphics;
class Listbox;
class PopupMenu;
class StaticText;
class TabPanel;

class RecipeUnitsWindow : public Window {
public:
    RecipeUnitsWindow();

    // True: US customary to metric; False: metric to US customary.
    bool EnglishToMetric = false;

    TabPanel* TabPanel1;
    Listbox* UnitsTable;
    StaticText* StaticText1;
    EditField* monto;
    EditField* EditField1;
    PopupMenu* ConvertDir;
    EditField* amtCvt;

    bool UnitsTable_CellBackgroundPaint(::Graphics& g, int32_t row, int32_t column);
    void UnitsTable_Open();
    bool UnitsTable_KeyDown(const std::string& key);
    bool UnitsTable_SortColumn(int32_t column);
    bool UnitsTable_HeaderPressed(int32_t column);
    void UnitsTable_Change();
    void monto_TextChange();
    bool monto_KeyDown(const std::string& key);
    void ConvertDir_Change();

    void AddMenuHandlers();
    void Event_Open();
    void Event_Close();
    void Event_EnableMenuItems();
    bool _FileClose_Action();

    // Writes the line for monto's amount, the selected row and the direction
    // into amtCvt. With no row selected the line is emptied.
    void convert();

private:
    void _CreateControls0();
    void bindHandlers();
    void setDirectionFromPopup();
};

// The open converter, or a new one; never nil.
RecipeUnitsWindow& recipeUnits();
