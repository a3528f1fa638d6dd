#include "utility_windows/help/HelpWindow.h"

#include "app/MenuBar1.h"
#include "framework/runtime/ImplicitWindows.h"
#include "framework/ui/controls/StaticText.h"

HelpWindow::HelpWindow() {
    Title = std::string("Larderwise Help");
    Width = 600;
    Height = 400;
    Frame = static_cast<int32_t>(DocumentFrame);
    Resizeable = true;
    CloseButton = true;
    Visible = false;
    MenuBar = MenuBar1();

    auto* note = add<StaticText>("helpNote");
    note->Left = 20;
    note->Top = 20;
    note->Width = 560;
    note->Height = 40;
    note->Text = std::string("Larderwise Help");

    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
    EnableMenuItems = [this] {
        if (MenuItem* close = MenuBar.get() ? MenuBar.get()->FindItem("FileClose") : nullptr) close->Enabled = true;
    };
}

bool HelpWindow::_FileClose_Action() {
    Close();
    return false;
}

HelpWindow& helpWindow() { return implicitInstance<HelpWindow>(); }
