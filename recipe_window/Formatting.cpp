// The Format menu's actions on the recipe text: they work on its live
// selection and change styles only. The changed text is saved, like any
// other edit, when the field loses the focus.
#include "framework/dialogs/MsgBox.h"
#include "framework/dialogs/SelectColor.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"

namespace {

// Sizes Bigger and Smaller stay within, in points.
constexpr double kLargestSize = 72;
constexpr double kSmallestSize = 5;

// Alignment codes of the styled field.
constexpr int32_t kAlignLeft = 1;
constexpr int32_t kAlignCenter = 2;
constexpr int32_t kAlignRight = 3;

// Turns a style of the selection over, as the field reports it for the
// selection; with nothing selected the typing style is left alone.
void toggle(EditField& field, Property<bool> EditField::*flag) {
    if (field.SelLength() <= 0) return;
    Property<bool>& style = field.*flag;
    style = !style();
}

}  // namespace

bool MainWindow::_StyleBold_Action() {
    toggle(*RecipeText, &EditField::SelBold);
    return false;
}

bool MainWindow::_StyleItalic_Action() {
    toggle(*RecipeText, &EditField::SelItalic);
    return false;
}

bool MainWindow::_StyleUnderline_Action() {
    toggle(*RecipeText, &EditField::SelUnderline);
    return false;
}

bool MainWindow::_SizeBigger_Action() {
    if (RecipeText->SelLength() >= 1) {
        const double size = RecipeText->SelTextSize;
        if (size < kLargestSize) RecipeText->SelTextSize = size + 1;
    }
    return false;
}

bool MainWindow::_SizeSmaller_Action() {
    if (RecipeText->SelLength() >= 1) {
        const double size = RecipeText->SelTextSize;
        if (size > kSmallestSize) RecipeText->SelTextSize = size - 1;
    }
    return false;
}

// The picker may take the focus, and leaving the text clears its selection,
// so the selection is put back, and only then the chosen colour goes on.
// Cancel changes nothing: applying the colour read before would paint a
// selection of several colours in its first one.
bool MainWindow::_FormatColor_Action() {
    if (RecipeText->SelLength() == 0) {
        MsgBox("You have no text selected in the Recipe Text field.");
        return false;
    }
    const int32_t start = RecipeText->SelStart;
    const int32_t length = RecipeText->SelLength;
    Color color = RecipeText->SelTextColor;
    const bool chosen = SelectColor(color, "Choose a color for the text:");
    RecipeText->SelStart = start;
    RecipeText->SelLength = length;
    if (chosen) RecipeText->SelTextColor = color;
    return false;
}

bool MainWindow::_TextAlignLeft_Action() {
    RecipeText->SelAlignment = kAlignLeft;
    return false;
}

bool MainWindow::_TextCenter_Action() {
    RecipeText->SelAlignment = kAlignCenter;
    return false;
}

bool MainWindow::_TextAlignRight_Action() {
    RecipeText->SelAlignment = kAlignRight;
    return false;
}

// Plain keeps the font and the size.
bool MainWindow::_FontPlainText_Action() {
    if (RecipeText->SelLength() >= 1) {
        RecipeText->SelBold = false;
        RecipeText->SelItalic = false;
        RecipeText->SelUnderline = false;
        RecipeText->SelTextColor = Color(0);
        RecipeText->SelOutline = false;
        RecipeText->SelShadow = false;
    }
    return false;
}
