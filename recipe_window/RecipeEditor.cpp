// The decisions of the recipe editor: a field's focus loss of each reason,
// the gate every replacement of the shown recipe passes, and the user's quit.
// How failures are told lives in RecipeEditorNotices.cpp.
#include "recipe_window/RecipeEditor.h"

#include "app/EndOfLine.h"
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MessageDialog.h"
#include "framework/ui/ModalSession.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/SavingScope.h"

namespace {

// Marks why the running store runs, however it ends.
class StoringFor {
public:
    StoringFor(std::optional<FocusLoss>& slot, FocusLoss why) : slot_(slot), was_(slot) { slot_ = why; }
    ~StoringFor() { slot_ = was_; }
    StoringFor(const StoringFor&) = delete;
    StoringFor& operator=(const StoringFor&) = delete;

private:
    std::optional<FocusLoss>& slot_;
    std::optional<FocusLoss> was_;
};

}  // namespace

bool RecipeEditor::endingSoon() const { return w_.isClosing() || Runtime::quitting(); }

void RecipeEditor::fieldLeft(Field field, FocusLoss why) {
    // Closing stores every edit once, whatever holds the focus; a store
    // already running stores its own edit (its box took the focus); and the
    // action just told of a failure does not wait out the same lock again.
    if (why == FocusLoss::WindowClosing || endingSoon() || saving_ || failedInThisAction()) return;
    if (w_.replacedDatabase_.keptNowhere()) return;  // held on screen for copying: nothing can store it
    if (field == Field::ListCell && !w_.recipeList->CellEditing()) return;
    if (why == FocusLoss::WindowLeft) {
        // Stored, so nothing is lost if the user never comes back, but the
        // field keeps its text, caret and selection and the list is not
        // refilled: what the user types on return goes on where it was.
        SavingScope scope(saving_);
        StoringFor inPlace(storingFor_, why);
        noteSave(runSaves(field));
        return;
    }
    fieldLeftWithinWindow(field);
}

void RecipeEditor::fieldLeftWithinWindow(Field field) {
    if (field == Field::ListCell) return;  // the cell's own end hands the name field the focus
    bool emptied = false;
    {
        SavingScope scope(saving_);
        StoringFor within(storingFor_, FocusLoss::WithinWindow);
        if (field == Field::Name && !w_.saveAllowed()) {
            w_.recipeName->Text = std::string();  // an emptied name writes nothing; the refill shows the stored one
            emptied = true;
        } else if (!noteSave(runSaves(field))) {
            // A name refused twice takes the keyboard back, wherever the user went.
            if (field == Field::Name && w_.recipeNameInvalid) w_.refocusNameField();
            return;
        }
        if (field == Field::Name) w_.recipeName->SelLength = 0;
        if (field == Field::Keywords) w_.recipeKeywords->SelLength = 0;
        if (field == Field::Text) w_.RecipeText->SelLength = 0;
    }
    // A stored name takes its place in the list's order and search.
    if (field == Field::Name && (listStale_ || emptied)) w_.updateFoundList(w_.recRowID, w_.Searchfield().Text);
}

RecipeEditor::Place RecipeEditor::placeBeforeRefill() const {
    Place place{w_.recRowID};
    for (EditField* field : {w_.recipeName, w_.recipeKeywords, w_.RecipeText})
        if (w_.Focus() == field) place = {w_.recRowID, field, field->SelStart, field->SelLength};
    return place;
}

void RecipeEditor::refilled(const Place& before) {
    if (!before.field || w_.Focus() != before.field) return;
    if (w_.recRowID != before.rowID) {
        w_.recipeList->SetFocus();
        return;
    }
    before.field->SelStart = before.selStart;
    before.field->SelLength = before.selLength;
}

void RecipeEditor::whileSaving(const std::function<void()>& save) {
    SavingScope scope(saving_);
    save();
}

void RecipeEditor::ratingChanged() {
    if (saving_) return;
    SavingScope scope(saving_);
    noteSave(w_.saveRating());
}

bool RecipeEditor::runSaves(std::optional<Field> field) {
    // The engine refuses to write a file another program has taken the
    // place of: the edit goes into the copy kept of it instead, before
    // any write meets the refusal.
    if (w_.editPending() && App().db->FileReplaced()) w_.keepReplacedDatabaseAndQuit();
    if (w_.replacedDatabase_.keptNowhere()) return false;
    if (field) {
        switch (*field) {
            case Field::Name:
            case Field::ListCell: return w_.saveName();
            case Field::Keywords: return w_.saveKeywords();
            case Field::Text: return w_.saveRecipeText();
            case Field::Photo: return w_.savePhoto();
        }
    }
    bool stored = w_.saveName();
    stored = w_.saveKeywords() && stored;
    stored = w_.saveRating() && stored;
    stored = w_.saveRecipeText() && stored;
    stored = w_.savePhoto() && stored;
    return stored;
}

bool RecipeEditor::store(Asker asker) {
    if (saving_) return true;  // a save already running stores its own edit
    SavingScope scope(saving_);
    if (w_.recipeList->CellEditing()) {
        // The name field has followed every keystroke of the cell; the
        // rename is stored with the name below.
        SavingScope ending(endingCellEdit_);
        w_.recipeList->EndCellEdit();
    }
    if (!w_.saveAllowed()) return true;  // nothing shown, or an emptied name: nothing may be written
    if (w_.replacedDatabase_.keptNowhere()) return false;  // held on screen for copying
    if (failedInThisAction()) {
        // The click or key that was just told does not wait out the same
        // lock again; a command in an action that failed quietly (a field's
        // focus loss retrying an edit told before) still says why it stops.
        if (asker == Asker::Command && !toldInThisAction() && !lastFailure_.empty()) {
            toldInAction_ = failedInAction_;
            tell(lastFailure_);
        }
        return false;
    }
    const bool outer = commandAsks_;
    commandAsks_ = outer || asker == Asker::Command;
    const bool stored = noteSave(runSaves(std::nullopt));
    commandAsks_ = outer;
    return stored;
}

bool RecipeEditor::mayEnd() {
    // An edit no folder could keep was left on screen to be copied out, and
    // the user was told so: a second quit ends.
    if (dropAtEnd_ || w_.replacedDatabase_.keptNowhere()) return true;
    std::vector<std::string> failures;
    collecting_ = &failures;
    const bool stored = store(Asker::Command);
    collecting_ = nullptr;
    if (stored) return true;
    std::string why;
    for (const std::string& failure : failures) why += failure + EndOfLine();
    MessageDialog box;
    box.Message = "The changes to the recipe \"" + std::string(w_.recipeName->Text) + "\" cannot be stored.";
    box.Explanation = why + EndOfLine() +
                      "If you quit now, these changes are lost. If you stay, they remain on screen and are stored "
                      "as soon as the database allows it.";
    box.ActionButton.Caption = "&Quit Anyway";
    box.ActionButton.Default = false;
    box.CancelButton.Caption = "&Stay";
    box.CancelButton.Visible = true;
    box.CancelButton.Default = true;
    if (box.ShowModal() != &box.ActionButton) {
        storeWhenAllowed();
        return false;
    }
    dropAtEnd_ = true;
    return true;
}

void RecipeEditor::storeWhenAllowed() {
    constexpr int32_t kRetryMilliseconds = 1000;
    w_.recipeList->CallLater(
        [this] {
            if (endingSoon() || !w_.editPending()) return;
            if (!saving_ && ModalSession::depth() == 0) {
                REALSQLDatabase& db = *App().db;
                db.SetBusyTimeout(0);  // a lock still held fails at once: typing never waits on it
                std::vector<std::string> quiet;
                collecting_ = &quiet;
                bool stored = false;
                {
                    SavingScope scope(saving_);
                    StoringFor inPlace(storingFor_, FocusLoss::WindowLeft);  // nothing under the caret changes
                    stored = runSaves(std::nullopt);
                }
                collecting_ = nullptr;
                db.SetBusyTimeout(REALSQLDatabase::kDefaultBusyTimeout);
                if (stored) {
                    noteSave(true);
                    return;
                }
            }
            storeWhenAllowed();
        },
        kRetryMilliseconds);
}
