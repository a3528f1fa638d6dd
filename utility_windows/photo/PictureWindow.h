#pragma once
// The photo window: the main window's recipe photo at its natural size, in
// the top left corner of a plain resizable window. It keeps no copy of the
// photo; every paint draws what the main window holds at that moment, so
// choosing another recipe shows its photo at the next repaint. The main
// window sizes it to the photo, titles it with the recipe's name and shows
// it. It serves File > Close only.
#include "framework/ui/Window.h"

class DoubleClickCanvas;
class Graphics;

class PictureWindow : public Window {
public:
    PictureWindow();

    // --- controls ----------------------------------------------------------------
    DoubleClickCanvas* fsPicCanvas = nullptr;

    // --- handlers ------------------------------------------------------------------
    void fsPicCanvas_Paint(::Graphics& g);
    void Event_EnableMenuItems();
    bool _FileClose_Action();

    void handleEnableMenuItems() override { Event_EnableMenuItems(); }

private:
    void Layout();
    void _CreateControls0();
    void AddMenuHandlers();
};

// The open photo window, or a new one (shown at once); never nil.
PictureWindow& pictureWIndow();
