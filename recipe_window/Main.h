#pragma once
// The main window: the found list with the search field on the left and top,
// the editors of the shown recipe on the right. Each editor writes its value
// to the recipe's row when the user leaves it; the list is refilled in one
// step by updateFoundList, and selecting a row loads that one recipe.
//
// The code is split by concern (the full list: docs/architecture/main-window.md):
//   MainLayout.cpp      window properties, the fourteen controls, their event bindings
//   MainEvents.cpp      Open, resizing, Close, the splitters, backup
//   MenuBinding.cpp     the menu items' bindings and the menu enabling
//   FoundList.cpp       updateFoundList, the search, showing a recipe
//   EditsInProgress.cpp commitPendingEdit, the gate before the shown recipe
//                       is replaced; the checked commit of every save
//   RecipeEditor.*      what happens to the edit on every path (focus loss,
//                       command, refill, document, quit), and what is told
//   FieldSaves.cpp      name, keywords and rating saves
//   NewAndDelete.cpp    newRecipe, deleteRecipe and their commands
//   PhotoDrawing.cpp    drawNScale
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "controls/search/SearchControl.h"
#include "framework/db/BackgroundSelect.h"
#include "framework/dialogs/PrintSettings.h"
#include "framework/ui/Window.h"
#include "recipe_window/RecipeEditor.h"
#include "recipe_window/ReplacedDatabase.h"
#include "recipe_window/ShownPhoto.h"

class BevelButton;
class DoubleClickCanvas;
class DoubleClickListbox;
class EditField;
class FolderItem;
class Graphics;
struct FoundListRows;
class MenuItem;
class Picture;
class RatingWidget;
class RecordSet;
class REALSQLDatabase;
class SmartSplitter;
class StaticText;
struct ImportedRecipe;
struct RecipeStatement;

class MainWindow : public Window {
public:
    // The window's one search control. Its index and owner window are the
    // framework's (RectControl::Index, RectControl::Window()).
    class RecipeSearchCntl : public SearchControl {};

    MainWindow();

    // --- state ---------------------------------------------------------------
    ShownPhoto myPic;                // photo of the shown recipe, or none
    std::string lastKeyPressed;      // type-ahead prefix typed into the list
    int32_t lastKeyPressedAt = 0;    // ticks of the last type-ahead key
    std::string searchWhere = "recipeName";
    bool recipeNameInvalid = false;  // a rename was refused twice
    std::shared_ptr<PrintSettings> psetup;
    int64_t recRowID = 0;  // rowID of the shown recipe; 0 = none
    int32_t recipeTextSelStart = 0;
    int32_t recipeTextSelLength = 0;
    std::string recipeTextSelFont;

    // --- controls, in creation order (also found by name) ---------------------
    SmartSplitter* SmartSplitter1 = nullptr;
    BevelButton* AddRecipe = nullptr;
    EditField* recipeName = nullptr;
    EditField* recipeKeywords = nullptr;
    EditField* RecipeText = nullptr;
    StaticText* StaticText3 = nullptr;
    SmartSplitter* SmartSplitter2 = nullptr;
    DoubleClickListbox* recipeList = nullptr;
    BevelButton* deleteSelectedRecipe = nullptr;
    StaticText* recipeCount = nullptr;
    DoubleClickCanvas* recipePhoto = nullptr;
    StaticText* StaticText4 = nullptr;
    RatingWidget* recipeRating = nullptr;
    RecipeSearchCntl* searchControl = nullptr;  // named "RecipeSearchCntl"

    // The search control's text field.
    EditField& Searchfield() const;
    // Menu items of the window's menu bar the window's own code uses.
    MenuItem* FormatMenu() const;
    MenuItem* RecipeKitchenmode() const;

    // --- control event handlers ----------------------------------------------
    void SmartSplitter1_Open();
    void AddRecipe_Action();
    void recipeName_LostFocus(FocusLoss why);
    void recipeName_TextChange();
    void recipeName_EnableMenuItems();
    void recipeKeywords_LostFocus(FocusLoss why);
    void recipeKeywords_GotFocus();
    void recipeKeywords_EnableMenuItems();
    void RecipeText_LostFocus(FocusLoss why);
    void RecipeText_Open();
    void RecipeText_MouseMove(int32_t x, int32_t y);
    bool RecipeText_MouseDown(int32_t x, int32_t y);
    bool RecipeText_DragOver(int32_t x, int32_t y, std::shared_ptr<DragItem> obj, int32_t action);
    void RecipeText_SelChange();
    void RecipeText_EnableMenuItems();
    void SmartSplitter2_Paint(::Graphics& g);
    void SmartSplitter2_Open();
    bool recipeList_KeyDown(const std::string& key);
    void recipeList_CellTextChange(int32_t row, int32_t column);
    void recipeList_CellDoubleClick(int32_t row, int32_t column);
    bool recipeList_HeaderPressed(int32_t column);
    void recipeList_Open();
    void recipeList_CellLostFocus(int32_t row, int32_t column);
    void recipeList_LostFocus(FocusLoss why);
    void recipeList_MouseEnter();
    void recipeList_Change();
    void recipeList_EnableMenuItems();
    void deleteSelectedRecipe_Action();
    void recipePhoto_Open();
    void recipePhoto_LostFocus(FocusLoss why);
    void recipePhoto_DropObject(std::shared_ptr<DragItem> obj, int32_t action);
    void recipePhoto_Paint(::Graphics& g);
    bool recipePhoto_MouseDown(int32_t x, int32_t y);
    void recipePhoto_DoubleClick();
    void recipeRating_MouseUp(int32_t x, int32_t y);
    void recipeRating_EnableMenuItems();
    void RecipeSearchCntl_Search(const std::string& text, const std::string& where);

    // --- window events -------------------------------------------------------
    void Event_Open();
    void Event_Close();
    void Event_Resized();
    void Event_Resizing();
    void Event_EnableMenuItems();
    void Event_DropObject(std::shared_ptr<DragItem> obj, int32_t action);

    void handleOpen() override { Event_Open(); }
    void handleClose() override { Event_Close(); }
    void handleResized() override { Event_Resized(); }
    void handleResizing() override { Event_Resizing(); }
    void handleActivate() override {
        Window::handleActivate();
        editor_.showHeldNotices();
    }
    bool handleCancelClose() override { return !mayQuit(); }
    // A quit or close the user chose: True once the edit is stored, or the
    // user, told it cannot be, chose to drop it rather than stay.
    bool mayQuit() { return !staysForUnkeptEdit() && editor_.mayEnd(); }
    void handleEnableMenuItems() override { Event_EnableMenuItems(); }
    void handleDropObject(std::shared_ptr<DragItem> obj, int32_t action) override {
        Event_DropObject(std::move(obj), action);
    }

    // Binds the menu items this window handles to its actions.
    void AddMenuHandlers();

    // Asked before the program quits or the window closes: an edit pending
    // on a replaced database no folder could take a copy of makes the
    // window stay, this once, for the user to copy it out.
    // (ReplacedDatabase.cpp)
    bool staysForUnkeptEdit();

    // --- menu actions (each returns False once done) -------------------------
    bool _UtilitySpeakselection_Action();
    bool _RecipeNewRecipe_Action();
    bool _RecipeDeleteRecipe_Action();
    bool _FileClose_Action();
    bool _RecipeNextRecipe_Action();
    bool _RecipePreviousRecipe_Action();
    bool _FileRestorefrombackup_Action();
    bool _FileBackupDatabase_Action();
    bool _RecipeKitchenmode_Action();
    bool _FileAppkFilePrint_Action();
    bool _FilePageSetup_Action();
    bool _FileExportrecipes_Action();
    bool _RecipeUnitConverter_Action();
    bool _StyleBold_Action();
    bool _StyleItalic_Action();
    bool _StyleUnderline_Action();
    bool _SizeBigger_Action();
    bool _SizeSmaller_Action();
    bool _FormatColor_Action();
    bool _FontShowFonts_Action();
    bool _TextCenter_Action();
    bool _TextAlignLeft_Action();
    bool _TextAlignRight_Action();
    bool _FontPlainText_Action();

    // --- methods -------------------------------------------------------------
    // Empties the editors and forgets the shown recipe and its photo, once
    // its edits are stored (commitPendingEdit); answers whether it did.
    bool clearFields();
    // Blanks the canvas and draws the picture into it, scaled down to fit.
    void drawNScale(const ShownPhoto& photo, DoubleClickCanvas& canvas);
    std::string stringIn(const std::string& s) const;
    // Creates, selects and shows a new recipe; answers whether a row was made.
    bool newRecipe();
    void deleteRecipe();
    // Refills the list with the recipes the search text finds under
    // searchWhere and selects the row of selectID, else the first row (no
    // row for kSelectNoRecipe); does nothing when the shown recipe's edits
    // cannot be stored.
    void updateFoundList(int64_t selectID, const std::string& text);
    static constexpr int64_t kSelectNoRecipe = -1;
    void refocusNameField();
    void restoreDB();
    void backupDB();
    void printRecipe();
    void exportRecipes();
    std::string filterTabs(const std::string& s) const;
    std::string tab() const;
    std::string Remove(const std::string& s, const std::string& chars) const;
    void droppedRecipe(std::shared_ptr<FolderItem> item);
    // Makes a new recipe holding the import and shows it.
    void storeImport(const ImportedRecipe& imported, const std::string& fileName);

    // The one gate every replacement of the shown recipe passes (showing
    // another recipe, emptying the editors, refilling the list) and every
    // command that needs the stored state: ends a rename in a list cell and
    // saves every editor whose value differs from the one stored (name,
    // keywords, rating, text with its styles, photo), whichever has the
    // focus. Answers False when an edit could not be stored: the user has
    // been told, the edit stays on screen, and the caller must not replace
    // it. (EditsInProgress.cpp)
    bool commitPendingEdit();
    // The same for a command or document the user chose (New, Delete, Next,
    // a row clicked, export, backup, restore, an import): it is a new
    // request, so a failure is told every time, even of an edit told
    // before, and the command must not go ahead.
    bool commitPendingEditForCommand();

private:
    friend class RecipeEditor;
    // Decides for every path what happens to the edit of the shown recipe.
    RecipeEditor editor_{*this};
    void CreateControls();
    void bindControlEvents();
    // The save guard: a recipe is shown and its name is not empty.
    bool saveAllowed() const;
    // The steps before a new recipe, shared by New and an import: the
    // shown recipe's edits stored, the whole list shown, and the rowID the
    // new row takes. Answers 0 when no recipe may be made (an edit could not
    // be stored, or NR001 / NR002 was shown). (NewAndDelete.cpp)
    int64_t nextNewRecipeID();
    // Why a new recipe's insert was not stored: which step failed (the
    // insert itself, else its commit) and the engine's text.
    struct NewRowFailure {
        bool inInsert = false;
        std::string why;
    };
    // Runs the one insert of a new recipe and commits it: the row is stored
    // with all the insert gives it, or nothing is (rolled back). Says
    // nothing; answers the failure, none when stored.
    std::optional<NewRowFailure> insertNewRecipe(const RecipeStatement& insert);
    // Shows the new recipe selected in the whole list, its name selected for
    // typing (or the focus in its text, for an imported recipe whose name is
    // already what it should be); answers whether the list shows it.
    enum class NewRecipeFocus { Name, Text };
    bool showNewRecipe(int64_t rowID, NewRecipeFocus focus = NewRecipeFocus::Name);
    // A new recipe was not made after all: the list shows the first recipe again.
    void showFirstRecipe();
    // Runs the statement on App().db; answers whether it succeeded.
    bool execute(const RecipeStatement& statement);
    std::shared_ptr<RecordSet> select(const RecipeStatement& statement);
    // The live search: stores the edit in progress, then reads on a thread
    // of its own; the rows are shown once read unless a newer search (or a
    // refill) came first. When the edit cannot be stored the search is owed
    // and runs once a save goes through. (FoundList.cpp)
    void searchInBackground(const std::string& text, int64_t selectID);
    // `built`: the list's rows built from `rows` on the search's thread.
    void showSearchResult(const std::string& text, int64_t selectID, const std::shared_ptr<RecordSet>& rows,
                          const std::shared_ptr<FoundListRows>& built);
    void sayListQueryFailed();
    // Another program put another file where the database file was: what
    // the program holds is kept in a copy of its own, edits and all, the
    // user told, and the program quits; when no folder takes the copy, the
    // window stays with its editors read-only. (ReplacedDatabase.cpp)
    void keepReplacedDatabaseAndQuit();
    void holdEditForCopying();
    // `built`: the list's rows for `rows` when they were built already.
    void fillList(RecordSet& rows, int64_t selectID, FoundListRows* built);
    void showRecipe(RecordSet& recipe);
    // Whether the list must be read again as the shown recipe is left: its
    // name was stored since the list was read, or its row shows a name that
    // is not stored (an emptied cell).
    bool leftRowNeedsRefill();
    // The editors take input exactly while a recipe is shown (recRowID).
    void matchEditorsToShownRecipe();
    // Each save below answers True when nothing of its editor is left
    // unstored (stored now, unchanged, or not to be written under the save
    // guard) and False when the user was told it failed; the editor keeps
    // the edit for the next try.
    bool saveName();
    bool storeNameOutcome(const std::string& name);
    bool saveKeywords();
    bool storeColumn(const std::string& column, const std::string& value, const std::string& part);
    bool saveRating();
    bool saveRecipeText();
    bool savePhoto();
    // After an update of the shown recipe's row: checks that it changed that
    // one row and commits, saying which part of the recipe failed and why.
    // "Gone" (the row no longer exists) is said and answers True: there is
    // nothing left to store it into.
    enum class UpdateOutcome { Stored, Failed, Gone };
    UpdateOutcome commitUpdateOf(const std::string& part);
    // Error 303: the shown recipe's row is gone, so its `part` was not saved.
    void sayRecipeGone(const std::string& part);
    // The editors now show what is stored: nothing is an edit in progress.
    void rememberShownValues();
    // The list selects the row of the shown recipe again without loading it
    // (a refused replacement).
    void reselectShownRecipe();
    // The list row of the recipe with this rowID; -1 when it is not listed.
    int32_t rowOfRecipe(int64_t rowID);
    // An editor holds a value that is not stored yet and could be.
    bool editPending() const;

    // The shown recipe as stored: what its editors showed or last stored.
    struct StoredValues {
        std::string name;
        std::string keywords;
        int32_t rating = 0;
        uint64_t textChanges = 0;  // RecipeText->ChangeCount() at that time
        bool operator==(const StoredValues&) const = default;
    };
    StoredValues stored_;
    StoredValues shownValues() const;
    BackgroundSelect liveSearch_;
    uint64_t refills_ = 0;  // counts refills and searches begun, so a late list is told from the newest
    ReplacedDatabase replacedDatabase_;

    // --- list keys, photo and restore (ListKeys.cpp, Photo*.cpp, DatabaseRestore.cpp)
    void selectNextRow();
    void selectPreviousRow();
    void typeAhead(const std::string& key);
    bool moveByKey(const std::string& key);
    void showKitchenModeFromList();
    void showUnitConverterFromList();
    // The shown recipe's photo row, ready to be written; nullptr when no
    // recipe is shown or it cannot be read.
    std::shared_ptr<RecordSet> photoRow();
    // Writes the photo into the row and commits; answers whether it stuck.
    bool writePhoto(RecordSet& row, const std::shared_ptr<Picture>& picture);
    // Stores `picture` (nullptr = none) as the shown recipe's photo, shows
    // it, and on failure says `failure` and keeps it for the next focus loss.
    void replacePhoto(const std::shared_ptr<Picture>& picture, const char* failure);
    void clearPhoto();
    // A photo the user dropped or cleared whose write failed: the recipe and
    // the picture, written again when the photo area loses the focus.
    bool photoUnsaved_ = false;
    int64_t photoUnsavedRowID_ = 0;
    std::shared_ptr<Picture> photoUnsavedPicture_;
    std::string photoFailure_;  // what its failure was told as: a retry failing again says nothing new
};

// The main window's one instance, built on first use; never nil.
MainWindow& Main();
