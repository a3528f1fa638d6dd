// Work the main window hands to others: speech of a selection, the font
// palette, kitchen mode and the unit converter.
#include "app/Larderwise.h"
#include "framework/dialogs/MsgBox.h"
#include "app/SpeakAloud.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "utility_windows/font_palette/FontWindow.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

namespace {

// What the converter's amount is cleaned of, in three passes: letters,
// accented letters and symbols, punctuation and blanks. Digits, the full
// stop, the slash and anything named nowhere (a fraction like "½") stay.
const char* const kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
const char* const kAccentsAndSymbols = "áéíóúâêîôûäëïöüåøœ∑´åß∂ç≈Ω≈ç√∫˜µ≤≥æ…¬|\\";
const char* const kPunctuation = "!@@#$%^&*()-_+=?><,';:•°¯˘”’“‘ \t\v\f";

// The text before the first line break: a CR if there is one, else an LF.
std::string firstLine(const std::string& text) {
    size_t end = text.find('\r');
    if (end == std::string::npos) end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace

bool MainWindow::_UtilitySpeakselection_Action() {
    for (EditField* field : {recipeName, recipeKeywords, RecipeText}) {
        if (field->SelLength() >= 1) {
            speakAloud(field->SelText);
            return false;
        }
    }
    MsgBox("No speakable text selected.");
    return false;
}

bool MainWindow::_FontShowFonts_Action() {
    // The palette keeps the flag itself as it opens and closes.
    if (App().fontWindowVisible) FontWindow().Close();
    else FontWindow().Show();
    return false;
}

// The styled text goes over whole (fonts, styles, colours, alignment), then
// everything is set in the large kitchen size.
bool MainWindow::_RecipeKitchenmode_Action() {
    KitchenModeWindow& kitchen = kitchenModeWIndow();  // its Open may put the font palette away
    kitchen.Show();
    kitchen.bigRecipeText->StyledText = StyledText(RecipeText->StyledText);
    kitchen.bigRecipeText->TextSize = 30.0;
    return false;
}

bool MainWindow::_RecipeUnitConverter_Action() {
    if (RecipeText->SelLength() > 0) {
        std::string amount = firstLine(RecipeText->SelText);
        amount = Remove(amount, kLetters);
        amount = Remove(amount, kAccentsAndSymbols);
        amount = Remove(amount, kPunctuation);
        recipeUnits().monto->Text = amount;  // the converter converts as its text changes
    }
    recipeUnits().Show();
    return false;
}
