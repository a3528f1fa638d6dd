#pragma once
// The help window: our own HTML help pages, shipped with the program, in an
// HTML viewer that follows their links. The window's title follows the
// title of the page shown. It serves File > Close; the Edit items reach the
// viewer through the framework's standard editing while it has the focus.
#include <string>

#include "framework/runtime/Services.h"
#include "framework/ui/Window.h"

class HTMLViewer;
class Separator;

class HelpWindow : public Window {
public:
    HelpWindow();

    // --- controls, in creation order ------------------------------------------
    Separator* Separator1 = nullptr;
    HTMLViewer* helpViewer = nullptr;

    // --- handlers ---------------------------------------------------------------
    void helpViewer_TitleChanged(const std::string& newTitle);
    void Event_Open();
    void Event_EnableMenuItems();
    bool _FileClose_Action();

    void handleOpen() override { Event_Open(); }
    void handleEnableMenuItems() override { Event_EnableMenuItems(); }

private:
    void placeOnScreen(const ScreenInfo& screen);
    void Layout();
    void _CreateControls0();
    void AddMenuHandlers();
};

// The open help window, or a new one; never nil.
HelpWindow& helpWindow();
