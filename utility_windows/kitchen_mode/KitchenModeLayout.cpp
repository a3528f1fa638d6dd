// Kitchen mode as it is built: the window's design values, its six
// controls, and the binding of their events to the window's handlers.
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/ControlPlacement.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/PopupMenu.h"
#include "framework/ui/controls/PushButton.h"
#include "framework/ui/controls/StaticText.h"
#include "utility_windows/kitchen_mode/KitchenModeWindow.h"

namespace {

PushButton& button(Window& window, const std::string& name, const std::string& caption, const std::string& help) {
    auto* b = window.add<PushButton>(name);
    b->Caption = caption;
    b->TextFont = std::string("System");
    b->HelpTag = help;
    return *b;
}

}  // namespace

KitchenModeWindow& kitchenModeWIndow() { return implicitInstance<KitchenModeWindow>(); }

KitchenModeWindow::KitchenModeWindow() {
    Layout();
    _CreateControls0();
    bindHandlers();
}

void KitchenModeWindow::Layout() {
    // No menu bar of its own and no menu handlers: the application's
    // shortcuts still work, and Command-W comes to this window as a key.
    Title = std::string("Kitchen Mode");
    Width = 640;
    Height = 300;
    MinWidth = 64;
    MinHeight = 64;
    MaxWidth = 32000;
    MaxHeight = 32000;
    Frame = static_cast<int32_t>(DocumentFrame);
    Resizeable = false;
    CloseButton = true;
    MinimizeButton = false;
    MaximizeButton = false;
    MenuBarVisible = true;
    Visible = true;
    // Full screen is entered by the Open event, once the controls' locks
    // can follow it (see Event_Open).
}

void KitchenModeWindow::_CreateControls0() {
    readRecipe = &button(*this, "readRecipe", "Read Recipe", "Read recipe text or selection");
    place(*readRecipe, 20, 42, 149, 20);
    readRecipe->Default = true;

    bigRecipeText = add<EditField>("bigRecipeText");
    bigRecipeText->MultiLine = true;
    bigRecipeText->Styled = true;
    place(*bigRecipeText, 20, 74, 600, 206);
    bigRecipeText->LockLeft = true;
    bigRecipeText->LockTop = true;
    bigRecipeText->LockRight = true;
    bigRecipeText->LockBottom = true;
    bigRecipeText->ReadOnly = true;
    bigRecipeText->Border = true;
    bigRecipeText->ScrollbarVertical = true;
    bigRecipeText->ScrollbarHorizontal = false;
    bigRecipeText->TextFont = std::string("System");
    bigRecipeText->TextSize = 24;
    bigRecipeText->TextColor = 0x000000;
    bigRecipeText->Text = std::string();
    bigRecipeText->HelpTag = std::string("Recipe text");

    closeWindow = &button(*this, "closeWindow", "Close", "Close this window and stop speaking");
    place(*closeWindow, 540, 42, 80, 20);
    closeWindow->LockLeft = true;

    textSize = add<PopupMenu>("textSize");
    place(*textSize, 411, 41, 80, 20);
    textSize->LockLeft = true;
    textSize->TextFont = std::string("System");
    textSize->InitialValue = std::string("18\r20\r24\r28\r30\r36\r48\r72\r96");
    textSize->ListIndex = 4;  // 30
    textSize->HelpTag = std::string("Recipe text size");

    StaticText1 = add<StaticText>("StaticText1");
    place(*StaticText1, 329, 41, 70, 20);
    StaticText1->LockLeft = true;
    StaticText1->TextFont = std::string("System");
    StaticText1->TextAlign = 2;
    StaticText1->Text = std::string("Text size");

    shutUp = &button(*this, "shutUp", "Shut up", "Stop speaking");
    place(*shutUp, 180, 42, 91, 20);
    shutUp->Visible = false;
}

void KitchenModeWindow::bindHandlers() {
    readRecipe->Action = [this] { readRecipe_Action(); };
    bigRecipeText->SelChange = [this] { bigRecipeText_SelChange(); };
    bigRecipeText->KeyDown = [this](std::string key) { return bigRecipeText_KeyDown(key); };
    closeWindow->Action = [this] { closeWindow_Action(); };
    textSize->Change = [this] { textSize_Change(); };
    shutUp->Action = [this] { shutUp_Action(); };
}
