#pragma once
// The program's start-up and its release at exit, as steps the framework
// runtime runs in order: register the file types, create the application
// object with its menu bar and the windows it shows, bind the application's
// menu items, connect the utility windows to the main window and build (not
// show) it; then the event loop; then the globals released in a fixed order
// while the toolkit still exists. This is the top layer: the only code that
// knows every window, so the layers below reach upward only through the
// hooks set here.
#include <memory>

#include "framework/ui/Runtime.h"

class Larderwise;

std::unique_ptr<Larderwise> _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();
// The splash picture, the magnifying glass, windows, the menu bar, the file
// types, the print job's text printer, the preferences store, in that order.
void releaseGlobals();

// The steps above as the runtime takes them (tests start the same way).
Runtime::StartupSteps larderwiseStartupSteps();

// The process's life; the result is its exit status.
int _Main(int argc, char** argv);
