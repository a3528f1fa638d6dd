#pragma once
// Start-up, the event loop and shut-down.
//
// run() builds the QApplication (on the stack, never in a static), runs the
// start-up steps in order, posts the raising of App.Open, and runs the event
// loop. App.Open is raised from the loop; the files named on the command
// line then reach App.OpenDocument. Windows built before App.Open finished
// run their Open events after it (or at their first Show, if that comes
// first); windows built later run them before their accessor returns.
//
// Quit is deferred: the request is recorded and one shutdown step is posted
// that only the top-level loop runs (never a yield). The shutdown raises
// LostFocus of every window's focused control, closes the windows, raises
// App.Close once, ends the loop, releases the globals in order and deletes
// everything that holds a Qt object before the QApplication goes away.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Application;
class Window;

namespace Runtime {

struct StartupSteps {
    std::string applicationName;  // the name windows without a title show (ApplicationIdentity.h)
    std::function<void()> initFileTypes;                        // before the application object
    std::function<std::unique_ptr<Application>()> newAppInstance;  // the application object
    std::function<void()> addMenuHandlers;                      // the application's menu handlers
    std::function<void()> makeDefaultView;                      // the first window (not shown)
    std::function<void()> releaseGlobals;                       // product globals, in order, at exit
    // Set, run() keeps one running copy of the application of this name per
    // data folder: a later launch hands its documents over and ends (see
    // SingleInstance.h). The lock that decides it is a file in the folder of
    // this name in the application data folder, where the data lives. Empty,
    // every launch runs on its own.
    std::string singleInstanceName;
};

// The process's life: returns the exit status (the Quit code).
int run(int argc, char** argv, const StartupSteps& steps);

// Applies the steps up to the loop, posting App.Open; used by run() and by
// tests that start an application without running a loop.
void start(const StartupSteps& steps, const std::vector<std::string>& documents = {});
// start(), but an exception from a start-up step gets the framework's own
// message (there is no application to ask yet) and everything built so far
// is released; answers False then.
bool startOrReport(const StartupSteps& steps, const std::vector<std::string>& documents = {});

bool quitting();
int quitCode();
bool appOpenFinished();
void requestQuit(int code);

// The shutdown steps (run by the posted event; tests call them directly
// through the driver). Does nothing unless a quit was requested, and runs once.
void runShutdown();

// Deletes every window now, without events (a step of the release at exit).
void releaseWindows();
// Releases every window and the application object now, before the
// QApplication dies. Also used between tests.
void releaseEverything();

// The application object the runtime owns (set by start()).
void adoptApplication(std::unique_ptr<Application> app);


// Tests: back to the state before start-up (no application, no windows,
// no quit requested).
void resetForTests();

// Window building (called by the accessors) and deletion.
void windowBuilt(Window& window);
void windowDeleted(Window& window);

}  // namespace Runtime
