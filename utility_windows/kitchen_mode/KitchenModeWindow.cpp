// What kitchen mode does: reading aloud, the text size, the keys, and
// putting the font palette away while it is open.
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"

#include <algorithm>

#include "app/Larderwise.h"
#include "app/SpeakAloud.h"
#include "framework/ui/Runtime.h"
#include "framework/speech/Speak.h"
#include "framework/text/Strings.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/PushButton.h"
#include "utility_windows/font_palette/FontWindow.h"

namespace {
constexpr int kDownArrow = 125;
constexpr int kUpArrow = 126;
constexpr int32_t kLinesPerJump = 10;
// Speaking one blank with interrupt on is how speech is stopped.
void stopSpeaking() { Speak(" ", true); }
}  // namespace

void KitchenModeWindow::readRecipe_Action() {
    // Shut up is offered once something is being read; when nothing can be
    // heard the user is told why, and there is nothing to stop.
    if (speakAloud(bigRecipeText->SelLength.get() == 0 ? bigRecipeText->Text.get() : bigRecipeText->SelText.get()))
        shutUp->Visible = true;
}

void KitchenModeWindow::bigRecipeText_SelChange() {
    readRecipe->Caption = std::string(bigRecipeText->SelLength.get() != 0 ? "Read Selection" : "Read Entire Recipe");
}

bool KitchenModeWindow::bigRecipeText_KeyDown(const std::string&) {
    // Shift with an arrow extends the selection (to read a part aloud); the
    // field does that itself, so there is no jump then.
    if (Keyboard::ShiftKey()) return false;
    const bool down = Keyboard::AsyncKeyDown(kDownArrow), up = Keyboard::AsyncKeyDown(kUpArrow);
    // Ten lines a jump, never above the first line; the field itself stops
    // a jump down at its last line.
    if (down) bigRecipeText->ScrollPosition = bigRecipeText->ScrollPosition.get() + kLinesPerJump;
    if (up && bigRecipeText->ScrollPosition.get() > 0)
        bigRecipeText->ScrollPosition = std::max(0, bigRecipeText->ScrollPosition.get() - kLinesPerJump);
    // The field's own handling of an arrow would scroll back to its caret
    // (left at the end of the text when it was filled), undoing the jump;
    // so the arrows are the jump's alone. Other keys go on to the field.
    return down || up;
}

void KitchenModeWindow::closeWindow_Action() {
    stopSpeaking();
    Close();
}

void KitchenModeWindow::textSize_Change() {
    bigRecipeText->TextSize = static_cast<int32_t>(Val(textSize->Text.get()));
}

void KitchenModeWindow::shutUp_Action() { stopSpeaking(); }

void KitchenModeWindow::Event_Open() {
    // Full screen grows the text field with its locks only on a built
    // window; it is entered here for that reason. The fixed size is then
    // applied again, to the full-screen size.
    FullScreen = true;
    Resizeable = false;
    if (App().fontWindowVisible) {
        FontWindow().Close();
        fontWindowVisible = true;
    }
}

void KitchenModeWindow::Event_Close() {
    // Closed by a quit, nothing can be shown any more: building a new
    // palette then would only be thrown away again.
    if (fontWindowVisible && !Runtime::quitting()) FontWindow().Show();
    fontWindowVisible = false;
}

bool KitchenModeWindow::Event_KeyDown(const std::string& key) {
    if (!Keyboard::CommandKey()) return false;
    if (StrEq(key, "R")) readRecipe->Push();
    else if (StrEq(key, "W")) closeWindow->Push();
    else if (StrEq(key, "S")) shutUp->Push();
    return false;
}
