#pragma once
// Everything the framework asks of the machine, in one replaceable place, so
// tests run the same code against fixed answers. Replace parts before the
// application object is built (the test driver does it for every test);
// resetServices() goes back to the real machine. The clock lives in Clock.h.
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

struct ScreenInfo {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    int32_t AvailableLeft = 0, AvailableTop = 0, AvailableWidth = 0, AvailableHeight = 0;
    int32_t Depth = 32;
};

enum class SpecialFolderKind { ApplicationData, Preferences, Desktop, Documents, Home, Temporary };

struct KeyModifiers {
    bool command = false;  // Ctrl on this platform
    bool shift = false;
    bool option = false;   // Alt
    bool control = false;  // Meta (the key that makes a click contextual)
};

// Keys held down, by the old platform's key codes (Left 123, Right 124,
// Down 125, Up 126, Return 36, Tab 48, Delete 51, Escape 53, letters by
// their key codes). Kept by the application-wide key filter, updated before
// the control's KeyDown sees the key; the test driver sets it directly.
class HeldKeys {
public:
    void press(int code) { held_.insert(code); }
    void release(int code) { held_.erase(code); }
    void releaseAll() { held_.clear(); }
    bool isDown(int code) const { return held_.count(code) != 0; }

private:
    std::set<int> held_;
};

struct Services {
    // Double-click interval in ticks (1/60 s).
    std::function<int32_t()> doubleClickTicks;
    std::function<int32_t()> screenCount;
    std::function<ScreenInfo(int32_t index)> screen;
    // Installed font families, in the order the system lists them.
    std::function<std::vector<std::string>()> fontFamilies;
    // Root folder of each special folder (SpecialFolder creates it when missing).
    std::function<std::string(SpecialFolderKind)> folderRoot;
    // Modifier keys held right now, and the pointer in screen coordinates.
    std::function<KeyModifiers()> modifiers;
    std::function<void(int32_t& x, int32_t& y)> pointerPosition;
    // Whether key events from the window system wait to be delivered.
    std::function<bool()> keysWaiting;
    // One turn of the event loop without user input (see yieldToEventLoop).
    std::function<void()> yield;
    // Delivers the user input the yields held back (see deliverHeldInput).
    std::function<void()> deliverInput;
    // Ends the event loop with the quit code (tests: record it instead).
    std::function<void(int code)> exitLoop;
    // The framework's own report of an error nobody handled. Unset, the error
    // output and a message box carry it (reportFatalError in ExceptionRouting.h:
    // the box belongs to the layers above this one).
    std::function<void(const std::string& message)> reportFatalError;

    HeldKeys heldKeys;
};

Services& services();
void resetServices();

// Lets paints and timers run while a long job works, user input waiting, so
// no handler is re-entered by a click. The shutdown after Quit never runs
// here. Called once per row by list refills and exports.
void yieldToEventLoop();
// A long job is over: the keys and clicks made while it ran, which its
// yields held back, reach their windows now, before anything the job shows
// next (a box, a window closing) takes the keyboard or blocks them.
void deliverHeldInput();
// How many times the loop was yielded to (tests).
int yieldCount();
// True while inside yieldToEventLoop (the shutdown waits for the top level).
bool yieldingToEventLoop();
