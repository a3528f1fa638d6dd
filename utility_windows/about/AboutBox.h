#pragma once
// The about window, as far as it stands today: the program's picture, its
// version and release stage. It has no menu bar and binds no menu item.
#include "framework/ui/Window.h"

class StaticText;

class AboutBox : public Window {
public:
    AboutBox();

    StaticText* versionLine;
};

// The open about window, or a new one; never nil.
AboutBox& aboutBox();
