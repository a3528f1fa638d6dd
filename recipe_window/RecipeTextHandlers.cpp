// The recipe text field: its save as the user leaves it, the selection the
// font palette works on, and the contextual "Convert..." command.
#include <memory>

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/MouseCursor.h"
#include "framework/menus/MenuItem.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/MouseState.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"
#include "utility_windows/font_palette/FontWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

namespace {
const char* const kConvertItem = "Convert...";

std::string updateFailure(const std::string& heading, const RecipeStatement& statement) {
    return heading + EndOfLine() + App().db->ErrorMessage() + EndOfLine() + EndOfLine() + statement.text;
}
}  // namespace

void MainWindow::RecipeText_LostFocus(FocusLoss why) { editor_.fieldLeft(RecipeEditor::Field::Text, why); }

// Both forms change in one transaction, so the plain column the search reads
// and the RTF the field is loaded from never disagree. The field's change
// count also grows with style changes (the font palette, the Format menu),
// which the plain text alone would not show.
bool MainWindow::saveRecipeText() {
    const uint64_t changes = RecipeText->ChangeCount();
    if (!saveAllowed() || changes == stored_.textChanges) return true;
    REALSQLDatabase& db = *App().db;
    bool gone = false;
    const RecipeStatement plain = updateColumnStatement("recipeText", RecipeText->Text, recRowID);
    const bool plainWritten = execute(plain);
    if (!plainWritten) editor_.sayFailedSave("text", updateFailure("Error 301 occurred while updating the recipe.", plain));
    else gone = db.RowsChanged() != 1;
    const RecipeStatement rtf = updateColumnStatement("recipeRtfText", RecipeText->StyledText.RTFData, recRowID);
    const bool rtfWritten = !gone && execute(rtf);
    if (!gone && !rtfWritten) editor_.sayFailedSave("text", updateFailure("Error 301A occurred while updating the recipe.", rtf));
    if (!plainWritten || (!gone && !rtfWritten)) {
        db.SQLExecute("rollback");  // never one column without the other
        return false;
    }
    if (commitUpdateOf("text") == UpdateOutcome::Failed) return false;
    stored_.textChanges = changes;
    return true;
}

void MainWindow::RecipeText_SelChange() {
    if (FontPaletteWindow::restoringSelection) return;
    recipeTextSelStart = RecipeText->SelStart;
    recipeTextSelLength = RecipeText->SelLength;
    recipeTextSelFont = RecipeText->SelTextFont;
    if (App().fontWindowVisible) FontWindow().setFont();
}

bool MainWindow::RecipeText_MouseDown(int32_t, int32_t) {
    if (!IsContextualClick()) return false;
    MenuItem base;
    base.Append(std::make_shared<MenuItem>(kConvertItem));
    MenuItem* chosen = base.PopUp(System::MouseX(), System::MouseY());
    if (!chosen) return false;
    if (chosen->Text == kConvertItem) {
        const double amount = Val(RecipeText->SelText);
        if (amount != 0) {
            RecipeUnitsWindow& converter = recipeUnits();
            converter.monto->Text = CStr(amount);
            converter.Show();
        }
    }
    return true;
}

void MainWindow::RecipeText_Open() {
    RecipeText->AcceptTextDrop();
    RecipeText->AcceptFileDrop("text");
}

// Taking the focus makes the editor that had it save first; the dropped
// text is saved when this field is left in turn.
bool MainWindow::RecipeText_DragOver(int32_t, int32_t, std::shared_ptr<DragItem>, int32_t) {
    RecipeText->SetFocus();
    return false;
}

void MainWindow::RecipeText_MouseMove(int32_t, int32_t) { MouseCursor = IBeamCursor(); }

void MainWindow::RecipeText_EnableMenuItems() {
    if (MenuItem* format = FormatMenu()) format->Enabled = true;
}
