// The found list: refilling it from the database, the live search, showing
// the selected recipe and emptying the editors.
#include <algorithm>
#include <initializer_list>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/text/TextEncoding.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/Graphics.h"
#include "framework/ui/Application.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/ListboxRows.h"
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

// The list's rows for a found list's rows: the name, the hidden rowID and
// the rowID as the tag, written separately so a TAB in a name stays part of
// the name. Touches no control, so the search's thread can build them.
// `found` is the row of `selectID`, -1 when no row holds it.
ListboxRows listRows(RecordSet& rows, int64_t selectID, int32_t& found) {
    ListboxRows list;
    const int32_t count = rows.RecordCount();
    list.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int32_t i = 0; i < count; ++i, rows.MoveNext()) {
        const int64_t rowID = rows.IdxField(2).Int64Value();
        const int32_t row = list.add(storedText(rows.IdxField(1).StringValue()));
        list.setCell(row, 1, std::to_string(rowID));
        list.setCellTag(row, 0, Variant(rowID));
        if (rowID == selectID) found = row;
    }
    return list;
}

}  // namespace

std::shared_ptr<RecordSet> MainWindow::select(const RecipeStatement& statement) {
    return App().db->SQLSelect(statement.sql, statement.values);
}

bool MainWindow::execute(const RecipeStatement& statement) {
    App().db->SQLExecute(statement.sql, statement.values);
    return !App().db->Error();
}

// A refill of its own, read the way the live search reads (in parts, on the
// search's mapped connections) while the caller waits, so each step after it
// finds the list filled; the live search still reading would show a list
// older than this one, so it is given up. Changes the program's connection
// has not committed yet are seen only through that connection.
void MainWindow::updateFoundList(int64_t selectID, const std::string& text) {
    ++refills_;
    liveSearch_.Cancel();
    if (!commitPendingEdit()) return;  // the unsaved edit stays on screen
    const RecipeStatement statement = foundListStatement(searchWhere, text);
    std::string error;
    std::shared_ptr<RecordSet> rows =
        App().db->InTransaction()
            ? select(statement)
            : liveSearch_.Read(*App().db, statement.sql, statement.values, foundListSplit(searchWhere, text), error);
    if (!rows) {
        sayListQueryFailed();
        return;
    }
    fillList(*rows, selectID);
    // On screen before the next handler runs, however long that takes.
    UpdateNow();
}

void MainWindow::sayListQueryFailed() {
    if (App().db->FileReplaced()) {
        keepReplacedDatabaseAndQuit();  // a search refuses to read another file than the one held
        return;
    }
    MsgBox("Error UFL001: Could not update the recipe list. Please report this error to the developer.");
    Quit(0);  // queued: during start-up it takes effect once the loop runs
}

// At 100,000 recipes a search takes longer than the pause between two keys.
// Read on a connection and thread of their own, the keys typed meanwhile
// show in the field at once, and each one's search replaces the one before,
// so only the list of the newest text is ever shown. The edit in progress
// is stored first, so the search finds it as stored.
void MainWindow::searchInBackground(const std::string& text, int64_t selectID) {
    ++refills_;
    liveSearch_.Cancel();  // lets go of the file before the save below writes it
    if (!commitPendingEdit()) {
        searchOwed_ = true;  // the list keeps the search before until a save goes through
        return;
    }
    searchOwed_ = false;  // this search is the one owed
    const RecipeStatement statement = foundListStatement(searchWhere, text);
    // The list's rows are built on the search's thread: the event loop only
    // swaps them in, so a key typed meanwhile never waits for 100,000 rows.
    auto shown = std::make_shared<ListboxRows>();
    liveSearch_.Start(
        *App().db, statement.sql, statement.values, foundListSplit(searchWhere, text),
        [this, text, selectID, shown](std::shared_ptr<RecordSet> rows, const std::string&) {
            showSearchResult(text, selectID, rows, shown);
        },
        [shown](RecordSet& rows) {
            int32_t unused = -1;
            *shown = listRows(rows, 0, unused);
        });
}

void MainWindow::showSearchResult(const std::string& text, int64_t selectID, const std::shared_ptr<RecordSet>& rows,
                                  const std::shared_ptr<ListboxRows>& shown) {
    if (endingSoon()) return;  // closing stores the edits itself; no list is shown any more
    if (!rows) {
        sayListQueryFailed();
        return;
    }
    // Keys already waiting come first: filling the list would keep them from
    // showing in the field, and one of them may search anew. The rows are
    // shown after them unless a search or refill came meanwhile.
    if (Keyboard::KeysWaiting()) {
        const uint64_t refill = refills_;
        searchControl->CallLater([this, text, selectID, rows, shown, refill] {
            if (refill == refills_) showSearchResult(text, selectID, rows, shown);
        });
        return;
    }
    // An edit made while the search read (a rating clicked) is stored before
    // the list is replaced, and whatever was stored since the search began
    // makes it read again: the list shows what the file holds.
    if (!commitPendingEdit()) {
        searchOwed_ = true;
        return;
    }
    if (!liveSearch_.ReadsCurrent(*App().db)) {
        searchInBackground(text, selectID);
        return;
    }
    fillList(*rows, selectID, shown.get());
}

void MainWindow::fillList(RecordSet& rows, int64_t selectID, ListboxRows* shown) {
    if (!clearFields()) return;
    searchOwed_ = false;  // whichever refill this is, the list is the newest
    const int32_t count = rows.RecordCount();
    const bool selectNone = selectID == kSelectNoRecipe;
    int32_t selectRow = selectNone ? -1 : 0;
    if (listShows(rows)) {
        if (!selectNone) selectRow = std::max(0, rowShowing(selectID));
        recipeList->ListIndex = -1;  // so selecting below shows its recipe again
    } else {
        // The whole list reaches the view in one batch: built on the search's
        // thread when it was, else here, and swapped in with one reset.
        int32_t found = -1;
        if (shown && shown->count() == count) {
            recipeList->ReplaceRows(std::move(*shown));
            *shown = ListboxRows();  // used once: a second showing builds its rows anew
            if (selectID > 0) found = rowShowing(selectID);
        } else {
            recipeList->ReplaceRows(listRows(rows, selectID, found));
        }
        if (found >= 0) selectRow = found;
        // Once the user has sorted by the heading, every refill comes in the
        // order its mark shows, not in the order the query gave.
        if (recipeList->SortedColumn() >= 0) {
            recipeList->Sort();
            if (!selectNone) selectRow = std::max(0, rowShowing(selectID));
        }
    }
    recipeCount->Text = std::to_string(count) + " Recipes";
    recipeList->ListIndex = selectRow;  // names no row on an empty list, nor for kSelectNoRecipe
    matchEditorsToShownRecipe();
}

// The first letters of a search often find every recipe listed already:
// comparing costs a fraction of rebuilding 100,000 rows, during which keys
// typed meanwhile would wait. A list sorted by its heading is rebuilt.
bool MainWindow::listShows(RecordSet& rows) {
    const int32_t count = rows.RecordCount();
    if (recipeList->SortedColumn() >= 0 || count != recipeList->ListCount()) return false;
    bool same = true;
    for (int32_t i = 0; same && i < count; ++i, rows.MoveNext())
        same = static_cast<ListboxTag>(recipeList->CellTag(i, 0)).Int64Value() == rows.IdxField(2).Int64Value() &&
               recipeList->List(i) == storedText(rows.IdxField(1).StringValue());
    rows.MoveFirst();
    return same;
}

int32_t MainWindow::rowShowing(int64_t rowID) {
    for (int32_t row = 0; row <= recipeList->LastIndex(); ++row)
        if (static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value() == rowID) return row;
    return -1;
}

void MainWindow::RecipeSearchCntl_Search(const std::string& text, const std::string& where) {
    searchWhere = ReplaceAllB(where, " ", "");
    searchInBackground(text, 0);
}

void MainWindow::recipeList_Open() {
    recipeList->ListIndex = 0;
    updateFoundList(0, Searchfield().Text);
}

void MainWindow::recipeList_Change() {
    const int32_t row = recipeList->ListIndex;
    if (row < 0 || keepShownRecipe_) return;
    const std::string storedName = stored_.name;
    if (!commitPendingEdit()) {
        reselectShownRecipe();  // the recipe whose edit failed stays shown and selected
        return;
    }
    const int64_t rowID = static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value();
    if (leftRowNeedsRefill(storedName)) {
        updateFoundList(rowID, Searchfield().Text);  // selects the row clicked, which shows it
        return;
    }
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

// The row of the recipe being left, renamed in its cell: a stored rename
// takes its place in name order, and an emptied name (which writes
// nothing) shows the stored name again, as the name field does.
bool MainWindow::leftRowNeedsRefill(const std::string& nameBefore) {
    if (recRowID == 0) return false;
    if (stored_.name != nameBefore) return true;
    const int32_t left = rowOfRecipe(recRowID);
    return left >= 0 && recipeList->Cell(left, 0) != stored_.name;
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
    // The selection the font palette styles belonged to the text shown before.
    RecipeText_SelChange();
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
    RecipeText_SelChange();  // no text left for the font palette to style
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
