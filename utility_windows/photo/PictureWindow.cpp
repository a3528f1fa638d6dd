#include "utility_windows/photo/PictureWindow.h"

#include "app/Larderwise.h"
#include "app/MenuBar1.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/graphics/Graphics.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/Runtime.h"

PictureWindow& pictureWIndow() { return implicitInstance<PictureWindow>(); }

PictureWindow::PictureWindow() {
    Layout();
    _CreateControls0();
    AddMenuHandlers();
}

void PictureWindow::Layout() {
    MenuBar = MenuBar1();
    // The main window sets the size to the photo's before showing it.
    Width = 300;
    Height = 300;
    MinWidth = 64;
    MinHeight = 64;
    MaxWidth = 32000;
    MaxHeight = 32000;
    Frame = static_cast<int32_t>(DocumentFrame);
    Placement = 0;
    Title = std::string("Untitled");
    Visible = true;
    CloseButton = true;
    Resizeable = true;
    LiveResize = true;
    // FullScreen stays at its default (off): assigning it puts the window
    // back to the geometry it had before full screen, which it never had.
    Composite = false;
    HasBackColor = false;
    MenuBarVisible = true;
    BackColor = 0xFFFFFF;
    // Sized to the photo, which may be larger than the screen: the title bar
    // and close button stay reachable; the photo keeps its size and shows
    // from its top left corner as far as the window reaches.
    keepFrameOnScreen(true);
}

void PictureWindow::_CreateControls0() {
    fsPicCanvas = add<DoubleClickCanvas>("fsPicCanvas");
    fsPicCanvas->Left = 0;
    fsPicCanvas->Top = 0;
    fsPicCanvas->Width = 300;
    fsPicCanvas->Height = 300;
    fsPicCanvas->LockLeft = true;
    fsPicCanvas->LockTop = true;
    fsPicCanvas->LockRight = true;
    fsPicCanvas->LockBottom = true;
    fsPicCanvas->AcceptFocus = false;
    fsPicCanvas->UseFocusRing = true;
    fsPicCanvas->EraseBackground = true;

    fsPicCanvas->Paint = [this](::Graphics& g) { fsPicCanvas_Paint(g); };
}

void PictureWindow::AddMenuHandlers() {
    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
}

void PictureWindow::fsPicCanvas_Paint(::Graphics& g) {
    // A paint that arrives while the program shuts down must not build a
    // main window again just to ask it for its photo.
    if (Runtime::quitting()) return;
    // The main window's photo at this moment, which the start-up hands the
    // application object (the main window sits above this one). No photo
    // draws nothing: the erased canvas stays blank.
    const auto& photo = App().windows.photo;
    if (photo) g.DrawPicture(photo(), 0, 0);
}

void PictureWindow::Event_EnableMenuItems() {
    if (MenuItem* close = MenuBar.get() ? MenuBar.get()->FindItem("FileClose") : nullptr) close->Enabled = true;
}

bool PictureWindow::_FileClose_Action() {
    Close();
    return false;
}
