// The found list's own keys: Delete, next and previous recipe (arrows and
// Command-] / Command-[), the hand-offs to kitchen mode, printing and the
// unit converter, Tab to the name field, and type-ahead for everything else.
// Moving the selection goes through ListIndex, whose Change shows the recipe.
#include <algorithm>
#include <optional>

#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/runtime/Clock.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/ListNavigation.h"
#include "recipe_window/Main.h"

namespace {

// The old platform's key codes of the arrows the list follows.
constexpr int kDownArrow = 125;
constexpr int kUpArrow = 126;

bool commandWith(const std::string& key, const char* letter) {
    return Keyboard::MenuShortcutKey() && Lowercase(key) == letter;
}

}  // namespace

bool MainWindow::recipeList_KeyDown(const std::string& key) {
    // While a cell is open for renaming (the list then offers Select All for
    // its editor), the keys the editor passes on, Return and Escape, end the
    // rename there: they are no type-ahead and no command of the list.
    if (recipeList->canStandardEdit("EditSelectAll")) return false;
    // Backspace or the forward Delete key: both are "the delete key" the
    // list's help tag names.
    if (key == Chr(8) || key == Chr(127)) deleteRecipe();
    else if (commandWith(key, "]") || key == Chr(31) || Keyboard::AsyncKeyDown(kDownArrow)) selectNextRow();
    else if (commandWith(key, "[") || key == Chr(30) || Keyboard::AsyncKeyDown(kUpArrow)) selectPreviousRow();
    else if (commandWith(key, "k")) showKitchenModeFromList();
    else if (commandWith(key, "p")) printRecipe();
    else if (commandWith(key, "u")) showUnitConverterFromList();
    else if (key == Chr(9)) recipeName->SetFocus();
    else if (!moveByKey(key)) typeAhead(key);
    return true;  // the list does none of its own key handling
}

// Next and previous store the edit in progress first, wherever the focus
// is; a failed save keeps the recipe and its edit on screen.
void MainWindow::selectNextRow() {
    if (!commitPendingEditForCommand()) return;
    const int32_t row = nextRow(recipeList->ListIndex, recipeList->ListCount());
    if (row >= 0) recipeList->ListIndex = row;
}

void MainWindow::selectPreviousRow() {
    if (!commitPendingEditForCommand()) return;
    const int32_t row = previousRow(recipeList->ListIndex, recipeList->ListCount());
    if (row >= 0) recipeList->ListIndex = row;
}

// Home, End, Page Up and Page Down move the selection as in any list; taken
// as type-ahead they would empty the editors and leave the list where it
// was, and a list of thousands of recipes could only be walked row by row.
bool MainWindow::moveByKey(const std::string& key) {
    const int32_t rowHeight = std::max(1, static_cast<int32_t>(recipeList->DefaultRowHeight));
    const int32_t pageRows = (recipeList->Height - rowHeight) / rowHeight - 1;  // less the heading
    const std::optional<int32_t> row =
        rowAfterMoveKey(key, recipeList->ListIndex, recipeList->ListCount(), pageRows);
    if (!row) return false;
    if (*row < 0 || !commitPendingEdit()) return true;
    recipeList->ListIndex = *row;
    return true;
}

bool MainWindow::_RecipeNextRecipe_Action() {
    selectNextRow();
    return false;
}

bool MainWindow::_RecipePreviousRecipe_Action() {
    selectPreviousRow();
    Refresh(true);
    return false;
}

// One pass over the rows in memory and one change of the selection, however
// long the list: the shown recipe changes once, to the first match.
void MainWindow::typeAhead(const std::string& key) {
    if (!commitPendingEdit()) return;
    lastKeyPressed = extendTypeAhead(lastKeyPressed, lastKeyPressedAt, Clock::ticks(), key);
    lastKeyPressedAt = Clock::ticks();
    recipeList->ListIndex = -1;  // no recipe is loaded for "no row"
    const DoubleClickListbox& list = *recipeList;
    const int32_t row = firstRowBeginningWith(lastKeyPressed, list.ListCount(),
                                              [&list](int32_t i) { return list.List(i); });
    if (row != 0) clearFields();  // nothing matches, or the match is further down
    if (row >= 0) recipeList->ListIndex = row;
    matchEditorsToShownRecipe();
}
