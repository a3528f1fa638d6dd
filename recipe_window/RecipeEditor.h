#pragma once
// The recipe being edited in the main window, and the one place that
// decides what happens to its edit. The window shows the recipe (recRowID,
// its editors and what they hold as stored); this object decides, for every
// path that can leave an edit behind, whether it is stored now, whether the
// list is read again and where the keyboard goes:
//   - a field left for another control of the window: stored, the list
//     refilled when the name changed, the keyboard where the user went;
//   - the window left (another program, a box in front): stored, but
//     nothing under the caret changes and what it has to tell waits for the
//     return;
//   - the window closing: nothing here, Close stores every edit once;
//   - a refill or a search: stored, a failure told once per edit;
//   - a command or a document the user chose: stored, a failure told every
//     time, so the command is always answered;
//   - a quit or close the user chose: stored, or the user is told the edit
//     cannot be stored and chooses between staying and dropping it.
// Every store first meets the check for a database file another program
// replaced, so a write never reaches the engine's refusal.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/ui/FocusLoss.h"

class EditField;
class MainWindow;

class RecipeEditor {
public:
    explicit RecipeEditor(MainWindow& window) : w_(window) {}
    RecipeEditor(const RecipeEditor&) = delete;
    RecipeEditor& operator=(const RecipeEditor&) = delete;

    // The editors of the shown recipe, and the list's cell renaming it.
    enum class Field { Name, Keywords, Text, Photo, ListCell };
    // `field` lost the keyboard for `why`.
    void fieldLeft(Field field, FocusLoss why);
    // Where the user is as a refill begins: the recipe shown, the editor
    // holding the keyboard and its selection.
    struct Place {
        int64_t rowID = 0;
        EditField* field = nullptr;
        int32_t selStart = 0;
        int32_t selLength = 0;
    };
    Place placeBeforeRefill() const;
    // After the refill: the same recipe shown again keeps the caret and
    // selection of the editor the user is in; another recipe takes the
    // keyboard from the editors (it goes to the list), so nothing typed next
    // lands in it at the caret's start.
    void refilled(const Place& before);
    // A click on the rating: stored at once, as the user sees it change.
    void ratingChanged();

    // Who asks for the edit to be stored before going on.
    enum class Asker {
        Refill,   // a refill or search: a failure is told once per edit
        Command,  // a command or document the user chose: told every time
    };
    // Stores every edit of the shown recipe; False when one could not be
    // stored (told as `asker` says; the edit stays on screen).
    bool store(Asker asker);
    // A quit or close the user chose: True when the window may end (stored,
    // nothing to store, or the user chose to drop the edit).
    bool mayEnd();
    // The user chose to quit without the edit: closing does not try it again.
    bool dropsEditAtEnd() const { return dropAtEnd_; }
    // Closing or quitting.
    bool endingSoon() const;

    // A save of `part` failed with `message`: told unless the same edit's
    // failure was told before and nobody asks anew. `toldAs` is the
    // message a retry in other words counts as (the photo's drop).
    void sayFailedSave(const std::string& part, const std::string& message, const std::string& toldAs = {});
    void forgetToldFailures(const std::string& part);
    // Another recipe shown, or the shown one as stored: nothing failed of it.
    void forgetAllFailures() { toldFailures_.clear(); }
    // Shows `message`, or holds it until the window is active again when a
    // store run as the window was left raised it.
    void tell(const std::string& message);
    void showHeldNotices();
    // Whether a save now runs as the window is left (nothing on screen may
    // change under the caret).
    bool storingInPlace() const { return storingFor_ == FocusLoss::WindowLeft; }
    // Runs `save` as a store: the focus moves its box causes store nothing.
    void whileSaving(const std::function<void()>& save);

    // A search that could not run for an edit not stored: run once one is.
    void oweSearch() { searchOwed_ = true; }
    void searchPaid() { searchOwed_ = false; }
    // The shown recipe's name was stored while its row stayed where it was
    // in the list: the next list shown must be read again.
    void nameStored() { listStale_ = true; }
    bool listStale() const { return listStale_; }
    void listRefilled() { listStale_ = false; }

    // The list's selection is put back, or a cell edit is being ended by
    // the store itself: the list's events then change nothing.
    bool puttingBackSelection() const { return puttingBack_; }
    void putBackSelection(int32_t row);
    bool endingCellEdit() const { return endingCellEdit_; }

private:
    // Runs the saves of the shown recipe; `field` only that editor's.
    bool runSaves(std::optional<Field> field);
    bool failedInThisAction() const;
    bool toldInThisAction() const;
    // Records a failed save; once a save goes through, runs a search that
    // was owed. Answers `stored`.
    bool noteSave(bool stored);
    void fieldLeftWithinWindow(Field field);
    // After the user chose to stay rather than quit without the edit: tried
    // again now and then, never waiting on the lock nor telling, until stored.
    void storeWhenAllowed();
    // What `part` of the shown recipe holds now, to tell one edit from
    // another; wholeEdit: every editor's at once.
    std::string editOf(const std::string& part) const;
    std::string wholeEdit() const;

    MainWindow& w_;
    bool saving_ = false;
    std::optional<FocusLoss> storingFor_;  // why the running store runs, when a focus loss began it
    bool commandAsks_ = false;
    std::vector<std::string>* collecting_ = nullptr;  // the quit's box gathers the failures
    bool dropAtEnd_ = false;
    std::vector<std::string> heldNotices_;
    // (part, message) -> the edit of that part when its failure was told.
    std::map<std::pair<std::string, std::string>, std::string> toldFailures_;
    // The edit whose store failed last, the user action it failed in, and
    // whether that action was told: the same click or key does not wait out
    // the same lock twice, and a command in it is still answered.
    std::string failedEdit_;
    std::string lastFailure_;
    std::optional<uint64_t> failedInAction_;
    std::optional<uint64_t> toldInAction_;
    bool searchOwed_ = false;
    bool listStale_ = false;
    bool puttingBack_ = false;
    bool endingCellEdit_ = false;
};
