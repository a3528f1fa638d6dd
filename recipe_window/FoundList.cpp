// The found list: refilling it from the database, the live search, showing
// the selected recipe and emptying the editors.
#include <algorithm>
#include <atomic>
#include <initializer_list>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/text/TextEncoding.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/db/SplitSelect.h"
#include "framework/runtime/WorkerPool.h"
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

// The list's rows built from a found list (on the search's thread, mostly)
// and the row in them of the recipe to select, -1 when none holds it.
struct FoundListRows {
    ListboxRows rows;
    int32_t selectRow = -1;
    bool built = false;
    // The order the user chose by the list's heading, the rows sorted in it
    // when built: column (-1 none) and direction.
    int32_t sortedColumn = -1;
    bool ascending = true;
};

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
// the name, and the row of `selectID` noted. Touches no control, so the
// search's thread can build them, on the threads that read them (`threads`;
// none on the event loop's thread).
FoundListRows listRows(const RecordSet& rows, int64_t selectID, WorkerPool* threads) {
    FoundListRows list;
    list.built = true;
    const int32_t count = std::max(rows.RecordCount(), 0);
    list.rows.addEmpty(count);
    std::atomic<int32_t> selectRow{-1};  // one row at most holds the rowID
    auto build = [&](int32_t first, int32_t end) {
        for (int32_t row = first; row < end; ++row) {
            const int64_t rowID = rows.Int64At(row, 2);
            list.rows.setCell(row, 1, std::to_string(rowID));  // the later cell first: one allocation for both
            list.rows.setCell(row, 0, storedText(rows.StringAt(row, 1)));
            list.rows.setCellTag(row, 0, Variant(rowID));
            if (rowID == selectID) selectRow = row;
        }
    };
    if (threads) threads->inParts(count, build);
    else build(0, count);
    list.selectRow = selectRow;
    return list;
}

// Rows the list will not show are freed on the search's thread.
void letGo(BackgroundSelect& search, ListboxRows rows) {
    if (rows.count() > 0) search.Discard(std::make_shared<ListboxRows>(std::move(rows)));
}

// Builds the list's rows into `list` on the thread that read them, sorted
// as the heading of `shownIn` shows (as Listbox::Sort sorts, and the row
// to select followed), so the event loop need not sort 100,000 rows either.
BackgroundSelect::Prepare buildInto(const std::shared_ptr<FoundListRows>& list, int64_t selectID,
                                    const Listbox& shownIn) {
    const int32_t column = shownIn.SortedColumn();
    const bool ascending = shownIn.SortsAscending();
    return [list, selectID, column, ascending](RecordSet& rows, WorkerPool& threads) {
        *list = listRows(rows, selectID, &threads);
        if (column < 0) return;
        list->sortedColumn = column;
        list->ascending = ascending;
        const std::vector<int32_t> order = list->rows.sortByColumn(column, ascending);
        const auto moved = std::find(order.begin(), order.end(), list->selectRow);
        if (list->selectRow >= 0 && moved != order.end())
            list->selectRow = static_cast<int32_t>(moved - order.begin());
    };
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
    auto built = std::make_shared<FoundListRows>();
    std::shared_ptr<RecordSet> rows =
        App().db->InTransaction()
            ? select(statement)
            : liveSearch_.Read(*App().db, statement.sql, statement.values, foundListSplit(searchWhere, text), error,
                               buildInto(built, selectID, *recipeList));
    if (!rows) {
        sayListQueryFailed();
        return;
    }
    fillList(*rows, selectID, built.get());
    letGo(liveSearch_, std::move(built->rows));  // unless the list took them
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
        editor_.oweSearch();  // the list keeps the search before until a save goes through
        return;
    }
    editor_.searchPaid();  // this search is the one owed
    const RecipeStatement statement = foundListStatement(searchWhere, text);
    // The list's rows are built on the search's thread: the event loop only
    // swaps them in, so a key typed meanwhile never waits for 100,000 rows.
    auto built = std::make_shared<FoundListRows>();
    liveSearch_.Start(
        *App().db, statement.sql, statement.values, foundListSplit(searchWhere, text),
        [this, text, selectID, built](std::shared_ptr<RecordSet> rows, const std::string&) {
            showSearchResult(text, selectID, rows, built);
        },
        buildInto(built, selectID, *recipeList));
}

void MainWindow::showSearchResult(const std::string& text, int64_t selectID, const std::shared_ptr<RecordSet>& rows,
                                  const std::shared_ptr<FoundListRows>& built) {
    if (editor_.endingSoon()) return;  // closing stores the edits itself; no list is shown any more
    if (!rows) {
        sayListQueryFailed();
        return;
    }
    // Keys already waiting come first: filling the list would keep them from
    // showing in the field, and one of them may search anew. The rows are
    // shown after them unless a search or refill came meanwhile.
    if (Keyboard::KeysWaiting()) {
        const uint64_t refill = refills_;
        searchControl->CallLater([this, text, selectID, rows, built, refill] {
            if (refill == refills_) showSearchResult(text, selectID, rows, built);
            else letGo(liveSearch_, std::move(built->rows));
        });
        return;
    }
    // An edit made while the search read (a rating clicked) is stored before
    // the list is replaced, and whatever was stored since the search began
    // makes it read again: the list shows what the file holds.
    if (!commitPendingEdit()) editor_.oweSearch();
    else if (!liveSearch_.ReadsCurrent(*App().db)) searchInBackground(text, selectID);
    else fillList(*rows, selectID, built.get());
    letGo(liveSearch_, std::move(built->rows));  // unless the list took them
}

void MainWindow::fillList(RecordSet& rows, int64_t selectID, FoundListRows* built) {
    const RecipeEditor::Place place = editor_.placeBeforeRefill();
    if (!clearFields()) return;
    editor_.searchPaid();  // whichever refill this is, the list is the newest
    editor_.listRefilled();
    FoundListRows here;
    if (!built || !built->built) {  // read on the program's own connection
        here = listRows(rows, selectID, nullptr);
        built = &here;
    }
    built->built = false;  // used once: a second showing builds its rows anew
    const bool selectNone = selectID == kSelectNoRecipe;
    int32_t selectRow = selectNone ? -1 : std::max(0, built->selectRow);
    if (recipeList->SortedColumn() < 0 && recipeList->Holds(built->rows)) {
        // The first letters of a search often find every recipe listed
        // already: the list stays as it is rather than be reset under the
        // user's eyes.
        letGo(liveSearch_, std::move(built->rows));
        recipeList->ListIndex = -1;  // so selecting below shows its recipe again
    } else {
        // The whole list reaches the view in one batch, with one reset; the
        // rows it showed are freed on the search's thread.
        letGo(liveSearch_, recipeList->ReplaceRows(std::move(built->rows)));
        // Once the user has sorted by the heading, every refill comes in the
        // order its mark shows, not in the order the query gave: sorted when
        // built unless the user sorted otherwise since.
        const bool sortedAsShown = built->sortedColumn == recipeList->SortedColumn() &&
                                   built->ascending == recipeList->SortsAscending();
        if (recipeList->SortedColumn() >= 0 && !sortedAsShown) {
            recipeList->Sort();
            if (!selectNone) selectRow = std::max(0, rowOfRecipe(selectID));
        }
    }
    recipeCount->Text = std::to_string(rows.RecordCount()) + " Recipes";
    recipeList->ListIndex = selectRow;  // names no row on an empty list, nor for kSelectNoRecipe
    matchEditorsToShownRecipe();
    editor_.refilled(place);
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
    if (row < 0 || editor_.puttingBackSelection()) return;
    // A row chosen is a command: a failure is said every time.
    if (!commitPendingEditForCommand()) {
        reselectShownRecipe();  // the recipe whose edit failed stays shown and selected
        return;
    }
    const int64_t rowID = static_cast<ListboxTag>(recipeList->CellTag(row, 0)).Int64Value();
    if (leftRowNeedsRefill()) {
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

// The row of the recipe being left, renamed: a rename stored by any path
// since the list was read (the name field, the window left with a cell
// open, a command's gate) takes its place in name order and in the search,
// and an emptied name (which writes nothing) shows the stored name again,
// as the name field does.
bool MainWindow::leftRowNeedsRefill() {
    if (recRowID == 0) return false;
    if (editor_.listStale()) return true;
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
