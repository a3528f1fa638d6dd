#pragma once
// The one menu bar of the program. The application and every window that
// shows a menu bar (the main window, the unit converter, the photo window,
// the help window) install this same instance, so a caption or enabled state
// changed once shows everywhere. Windows bind their handlers to the items'
// names, which are therefore part of the program's interface.
//
// The class and its accessor share the name, as windows and their
// accessors do; code uses the accessor, and only this file names the class.
#include <memory>

#include "framework/menus/MenuItem.h"

class MenuBar1 : public MenuBar {
public:
    MenuBar1();  // builds File, Edit, Format, Recipe, Help in that order

    void Untitled0();  // File
    void Untitled1();  // Edit
    void Untitled2();  // Format with its submenus Font and Text
    void Untitled3();  // Recipe
    void Untitled4();  // Help
};

// The single instance, built on first use.
std::shared_ptr<class MenuBar1> MenuBar1();

// Drops the accessor's reference (a step of the release at exit); the next
// use builds a fresh bar.
void releaseMenuBar1();
