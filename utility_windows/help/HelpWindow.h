#pragma once
// The help window, as far as it stands today: the one menu bar, with File >
// Close closing only this window, and a pointer to where the help pages
// will be shown.
#include "framework/ui/Window.h"

class HelpWindow : public Window {
public:
    HelpWindow();

    bool _FileClose_Action();
};

// The open help window, or a new one; never nil.
HelpWindow& helpWindow();
