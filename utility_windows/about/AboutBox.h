#pragma once
// The about window: the program's splash picture behind the credits, the
// version line and a link to the maker's web page. It reads nothing, writes
// nothing, has no menu bar of its own and binds no menu item; clicks outside
// its link are swallowed.
#include <cstdint>

#include "framework/ui/Window.h"

class StaticText;

class AboutBox : public Window {
public:
    AboutBox();

    // --- controls, in creation order ------------------------------------------
    StaticText* StaticText1 = nullptr;  // the link to the web page
    StaticText* StaticText2 = nullptr;  // the credits
    StaticText* verFld = nullptr;       // the version line
    StaticText* StaticText3 = nullptr;  // decoration laid over the picture
    // The version line under the name the shell's tests know it by.
    StaticText* versionLine = nullptr;

    // --- handlers ---------------------------------------------------------------
    bool StaticText1_MouseDown(int32_t x, int32_t y);
    void StaticText1_MouseUp(int32_t x, int32_t y);
    bool Event_MouseDown(int32_t x, int32_t y);
    void Event_Open();

    void handleOpen() override { Event_Open(); }
    bool handleMouseDown(int32_t x, int32_t y) override { return Event_MouseDown(x, y); }

private:
    void Layout();
    void _CreateControls0();
};

// The open about window, or a new one; never nil.
AboutBox& aboutBox();
