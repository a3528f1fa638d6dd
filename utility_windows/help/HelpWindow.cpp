#include "utility_windows/help/HelpWindow.h"

#include <algorithm>

#include "app/MenuBar1.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/runtime/SystemInfo.h"
#include "framework/ui/controls/HTMLViewer.h"
#include "framework/ui/controls/Separator.h"
#include "utility_windows/help/HelpPages.h"

HelpWindow& helpWindow() { return implicitInstance<HelpWindow>(); }

HelpWindow::HelpWindow() {
    Layout();
    _CreateControls0();
    AddMenuHandlers();
}

void HelpWindow::Layout() {
    MenuBar = MenuBar1();
    Width = 760;
    Height = 520;
    MinWidth = 400;
    MinHeight = 200;
    MaxWidth = 32000;
    MaxHeight = 32000;
    Title = std::string("Help");
    Frame = static_cast<int32_t>(FixedFrame);
    Resizeable = true;
    CloseButton = true;
    Visible = false;  // the Help command shows it
    // On a screen shorter than the window's design place allows (700 x 600),
    // the frame moves up, or the window gets shorter, so its bottom edge and
    // grip stay in reach.
    keepFrameOnScreen(true);
}

void HelpWindow::_CreateControls0() {
    Separator1 = add<Separator>("Separator1");
    Separator1->Left = 0;
    Separator1->Top = 53;
    Separator1->Width = 760;
    Separator1->Height = 3;
    Separator1->LockLeft = true;
    Separator1->LockRight = true;

    helpViewer = add<HTMLViewer>("helpViewer");
    helpViewer->Left = 0;
    helpViewer->Top = 54;
    helpViewer->Width = 760;
    helpViewer->Height = 466;
    helpViewer->LockLeft = true;
    helpViewer->LockTop = true;
    helpViewer->LockRight = true;
    helpViewer->LockBottom = true;

    helpViewer->TitleChanged = [this](std::string title) { helpViewer_TitleChanged(title); };
}

void HelpWindow::AddMenuHandlers() {
    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
}

void HelpWindow::helpViewer_TitleChanged(const std::string& newTitle) { Title = newTitle; }

void HelpWindow::Event_Open() {
    if (!helpViewer->IsAvailable()) {
        MsgBox("Help system is not available.");
        Close();
        return;
    }
    auto index = helpIndexPage(Application::ExecutableFile());
    if (!index) {
        MsgBox("The help files are not present in the application package.");
        Close();
        return;
    }
    placeOnScreen(Screen(0));
    helpViewer->LoadURL(index->URLPath());
}

// The right edge 20 pixels in from the main screen's usable area; the top
// stays where the window was placed. On a screen too narrow for that the
// window narrows (keeping those 20 pixels for its frame) and starts at the
// area's left edge, so its menus and close button are never off screen.
void HelpWindow::placeOnScreen(const ScreenInfo& screen) {
    constexpr int32_t kMargin = 20;
    if (screen.AvailableWidth <= 0) return;
    if (Width.get() + kMargin > screen.AvailableWidth)
        Width = std::max(screen.AvailableWidth - kMargin, MinWidth.get());
    Left = std::max(screen.AvailableLeft, screen.AvailableLeft + screen.AvailableWidth - Width.get() - kMargin);
}

void HelpWindow::Event_EnableMenuItems() {
    if (MenuItem* close = MenuBar.get() ? MenuBar.get()->FindItem("FileClose") : nullptr) close->Enabled = true;
}

bool HelpWindow::_FileClose_Action() {
    Close();
    return false;
}
