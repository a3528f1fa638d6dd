// The found list: refilling it from the database, the live search, showing
// the selected recipe and emptying the editors.
#include <algorithm>
#include <initializer_list>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/data/TextEncoding.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/Graphics.h"
#include "framework/runtime/Application.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeStatements.h"
#include "recipe_window/RecipeTextLoading.h"

std::string MainWindow::stringIn(const std::string& s) const { return ::stringIn(s); }

namespace {

// Names, keywords and plain text written by older versions may be Mac Roman
// rather than UTF-8: decoded as such, every character survives the next save
// instead of turning into a replacement character.
std::string storedText(std::string bytes) {
    if (IsValidUTF8(bytes)) return bytes;
    return DecodeToUTF8(bytes, EncodingCode::MacRoman);
}

}  // namespace

std::shared_ptr<RecordSet> MainWindow::select(const RecipeStatement& statement) {
    return App().db->SQLSelect(statement.sql, statement.values);
}

bool MainWindow::execute(const RecipeStatement& statement) {
    App().db->SQLExecute(statement.sql, statement.values);
    return !App().db->Error();
}

void MainWindow::updateFoundList(int64_t selectID, const std::string& text) { refillFoundList(selectID, text, false); }

// With `giveWayToKeys` the select is given up as soon as a key is waiting:
// its list would be out of date before it showed, and at 100,000 recipes the
// key would otherwise wait a whole search before its own search could start.
// Only the select gives way; the stored edit before it never does.
void MainWindow::refillFoundList(int64_t selectID, const std::string& text, bool giveWayToKeys) {
    if (!commitPendingEdit()) return;  // the unsaved edit stays on screen
    // A search reads the text of every recipe: through a memory map the
    // kernel lends the pages instead of copying each one out, which halves
    // the time of a keystroke at 100,000 recipes; the map stays while
    // searches follow one another. The list of every name (the start, an
    // emptied search) reads copied pages and drops the map, so the file's
    // pages are not kept counted against the program.
    App().db->SetReadThroughMemoryMap(!text.empty());
    const RecipeStatement statement = foundListStatement(searchWhere, text);
    static const std::function<bool()> keysWaiting = [] { return Keyboard::KeysWaiting(); };
    std::shared_ptr<RecordSet> rows = giveWayToKeys
                                          ? App().db->SQLSelectUnless(statement.sql, statement.values, keysWaiting)
                                          : select(statement);
    if (App().db->Abandoned()) {
        // The list stays as it was; the waiting keys search for their text.
        searchControl->SearchAgainAfterKeys();
        return;
    }
    if (App().db->Error()) {
        MsgBox("Error UFL001: Could not update the recipe list. Please report this error to the developer.");
        Quit(0);  // queued: during start-up it takes effect once the loop runs
    }
    if (rows) fillList(*rows, selectID);
}

// The whole list is rebuilt in one pass and reaches the view in one reset;
// the name, the hidden rowID and the tag are written separately, so a TAB in
// a name stays part of the name.
void MainWindow::fillList(RecordSet& rows, int64_t selectID) {
    if (!clearFields()) return;
    recipeList->DeleteAllRows();
    int32_t selectRow = selectID == kSelectNoRecipe ? -1 : 0;
    const int32_t count = rows.RecordCount();
    for (int32_t i = 0; i < count; ++i, rows.MoveNext()) {
        const int64_t rowID = rows.IdxField(2).Int64Value();
        recipeList->AddRow(storedText(rows.IdxField(1).StringValue()));
        const int32_t last = recipeList->LastIndex();
        recipeList->Cell(last, 1) = std::to_string(rowID);
        recipeList->CellTag(last, 0) = Variant(rowID);
        if (rowID == selectID) selectRow = i;
    }
    // Once the user has sorted by the heading, every refill comes in the
    // order its mark shows, not in the order the query gave.
    if (recipeList->SortedColumn() >= 0) {
        recipeList->Sort();
        selectRow = selectID == kSelectNoRecipe ? -1 : std::max(0, rowShowing(selectID));
    }
    recipeCount->Text = std::to_string(count) + " Recipes";
    recipeList->ListIndex = selectRow;  // names no row on an empty list, nor for kSelectNoRecipe
    matchEditorsToShownRecipe();
}

int32_t MainWindow::rowShowing(int64_t rowID) {
    for (int32_t row = 0; row <= recipeList->LastIndex(); ++row)
        if (static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value() == rowID) return row;
    return -1;
}

void MainWindow::RecipeSearchCntl_Search(const std::string& text, const std::string& where) {
    searchWhere = ReplaceAllB(where, " ", "");
    refillFoundList(0, text, true);
}

void MainWindow::recipeList_Open() {
    recipeList->ListIndex = 0;
    updateFoundList(0, Searchfield().Text);
}

void MainWindow::recipeList_Change() {
    const int32_t row = recipeList->ListIndex;
    if (row < 0 || keepShownRecipe_) return;
    if (!commitPendingEdit()) {
        reselectShownRecipe();  // the recipe whose edit failed stays shown and selected
        return;
    }
    const int64_t rowID = static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value();
    std::shared_ptr<RecordSet> recipe = select(showRecipeStatement(rowID));
    if (!recipe || recipe->RecordCount() <= 0) {
        MsgBox("Error RL001 updating the recipeList.");
        // The highlight goes back to the recipe the editors still show, so
        // the row lit is the recipe that edits and Delete act on.
        reselectShownRecipe();
        return;
    }
    showRecipe(*recipe);
}

void MainWindow::showRecipe(RecordSet& recipe) {
    recRowID = recipe.Field("rowID").Int64Value();
    recipeName->Text = storedText(recipe.Field("recipeName").StringValue());
    recipeKeywords->Text = storedText(recipe.Field("recipeKeywords").StringValue());
    recipeRating->rating = recipe.Field("recipeRating").IntegerValue();
    showRecipeText(*RecipeText, recipe.Field("recipeRtfText").StringValue(),
                   storedText(recipe.Field("recipeText").StringValue()));
    // Kept as stored and decoded only at the size the photo area draws it.
    myPic.setStored(recipe.Field("recipePhoto").BlobValue());
    drawNScale(myPic, *recipePhoto);
    // A fresh recipe starts at its top with the caret at the start.
    RecipeText->SelStart = 0;
    RecipeText->ScrollPosition = 0;
    rememberShownValues();
    matchEditorsToShownRecipe();
    App().EnableMenuItems();
}

bool MainWindow::clearFields() {
    if (!commitPendingEdit()) return false;
    recRowID = 0;
    recipeKeywords->Text = std::string();
    recipeName->Text = std::string();
    RecipeText->Text = std::string();
    recipeRating->rating = 0;
    // Nothing shown means no photo either: a stale one would be redrawn into
    // empty editors by the next paint.
    myPic.reset();
    ::Graphics& g = recipePhoto->Graphics();
    g.ForeColor = BackColor;
    g.FillRect(0, 0, Width - 1, Height - 1);
    recipePhoto->Refresh(true);
    rememberShownValues();
    return true;
}

// Whatever is typed, rated or dropped with no recipe shown has no row to be
// stored in: the editors take no input then, rather than taking it and
// throwing it away. They follow the outcome of a refill, a type-ahead or a
// shown recipe, not clearFields, which every refill calls on its way: a
// focused editor disabled even for a moment would lose the focus (and the
// user's place in the Tab order) to the next control.
void MainWindow::matchEditorsToShownRecipe() {
    const bool shown = recRowID != 0;
    for (RectControl* editor : std::initializer_list<RectControl*>{recipeName, recipeKeywords, RecipeText,
                                                                   recipeRating, recipePhoto})
        editor->Enabled = shown;
}
