// The window left while an editor has the focus (another program clicked,
// Alt+Tab, a box or a file dialog in front): the editor's LostFocus stores
// its edit, so nothing is lost if the program never gets the user back, but
// nothing under the caret may change. The field keeps its text, caret and
// selection, the list is not refilled (a rename that leaves the search
// would put another recipe under the user's typing), and what the user types
// on return goes on where it was. The refill comes when the user leaves the
// field itself. A failure told by such a save waits until the window is
// active again, rather than popping up over another program.
#include <utility>

#include "controls/doubleclick/DoubleClickListbox.h"
#include "framework/dialogs/MsgBox.h"
#include "recipe_window/Main.h"
#include "recipe_window/SavingScope.h"

bool MainWindow::leftTheWindow() const { return !isActive() && !endingSoon(); }

void MainWindow::storeInPlace(const std::function<bool()>& save) {
    SavingScope scope(saving_);
    SavingScope inPlace(storingInPlace_);
    noteSave(save());
}

void MainWindow::tell(const std::string& message) {
    if (storingInPlace_ && leftTheWindow()) {
        heldNotices_.push_back(message);
        return;
    }
    MsgBox(message);
}

// Shown once the activation has ended (the focus given back first), one
// after the other.
void MainWindow::showHeldNotices() {
    if (heldNotices_.empty()) return;
    recipeList->CallLater([this] {
        if (!isActive()) return;  // left again at once: held for the next return
        std::vector<std::string> notices = std::exchange(heldNotices_, {});
        for (const std::string& notice : notices) MsgBox(notice);
    });
}
