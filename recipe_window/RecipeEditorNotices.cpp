// What the recipe editor tells of failed stores, and when. On a full disk or
// a database another program holds, every later store fails too: telling
// each quiet retry again would put a box in front of every key typed in the
// search field, so a failed edit is told once, and again only once changed,
// when the program ends, or when a command or document the user chose stops
// for it. A failure raised as the window was left waits for the return
// rather than popping up over another program.
#include <cstdint>
#include <utility>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/ui/UserAction.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/RecipeEditor.h"

std::string RecipeEditor::editOf(const std::string& part) const {
    if (part == "name") return w_.recipeName->Text;
    if (part == "keywords") return w_.recipeKeywords->Text;
    if (part == "rating") return std::to_string(w_.recipeRating->rating);
    if (part == "text") return std::to_string(w_.RecipeText->ChangeCount());
    if (part == "photo") return std::to_string(reinterpret_cast<uintptr_t>(w_.photoUnsavedPicture_.get()));
    return std::string();
}

std::string RecipeEditor::wholeEdit() const {
    std::string edit;
    for (const char* part : {"name", "keywords", "rating", "text"}) edit += editOf(part) + '\0';
    return edit;
}

void RecipeEditor::sayFailedSave(const std::string& part, const std::string& message, const std::string& toldAs) {
    const std::string edit = editOf(part);
    const std::pair<std::string, std::string> key{part, toldAs.empty() ? message : toldAs};
    lastFailure_ = message;
    if (collecting_) {
        // The quit's own box says it, with what quitting would drop.
        toldFailures_[key] = edit;
        collecting_->push_back(message);
        return;
    }
    const auto told = toldFailures_.find(key);
    if (told != toldFailures_.end() && told->second == edit && !endingSoon() && !commandAsks_) return;
    toldFailures_[key] = edit;
    toldInAction_ = UserAction::current();
    tell(message);
}

void RecipeEditor::forgetToldFailures(const std::string& part) {
    std::erase_if(toldFailures_, [&](const auto& told) { return told.first.first == part; });
}

void RecipeEditor::tell(const std::string& message) {
    if (storingInPlace() && !w_.isActive() && !endingSoon()) {
        heldNotices_.push_back(message);
        return;
    }
    MsgBox(message);
}

// Shown once the activation has ended (the focus given back first), one
// after the other.
void RecipeEditor::showHeldNotices() {
    if (heldNotices_.empty()) return;
    w_.recipeList->CallLater([this] {
        if (!w_.isActive()) return;  // left again at once: held for the next return
        std::vector<std::string> notices = std::exchange(heldNotices_, {});
        for (const std::string& notice : notices) MsgBox(notice);
    });
}

bool RecipeEditor::noteSave(bool stored) {
    if (!stored) {
        failedEdit_ = wholeEdit();
        failedInAction_ = UserAction::current();
    } else if (searchOwed_ && !w_.editPending()) {
        // Searched once the handler that saved has ended, never inside it
        // (a focus change may be half done).
        w_.searchControl->CallLater([this] {
            if (searchOwed_ && !w_.editPending()) w_.searchInBackground(w_.Searchfield().Text, w_.recRowID);
        });
    }
    return stored;
}

// The user action that was just told of a failure, with nothing changed
// since: a second try would only wait out the same lock and fail the same
// way. The next key or click tries again; closing always does.
bool RecipeEditor::failedInThisAction() const {
    return failedInAction_ == UserAction::current() && !endingSoon() && wholeEdit() == failedEdit_;
}

bool RecipeEditor::toldInThisAction() const { return toldInAction_ == UserAction::current(); }

void RecipeEditor::putBackSelection(int32_t row) {
    puttingBack_ = true;
    w_.recipeList->ListIndex = row;
    puttingBack_ = false;
}
