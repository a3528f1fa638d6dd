#pragma once
// The test driver: simulated input that enters the framework through the
// same dispatch functions real Qt events use (real QMouseEvent/QKeyEvent
// objects sent through the control's event filter, the focus model's Qt
// entry, the activation model, the window's client-resize path, the menu
// chooser), plus a fake clock and temporary special folders.
//
//   UiDriver ui;                        // fake clocks (uptime 2 h 13 min), temp folders,
//                                       // scripted dialogs (ui.dialogs())
//   ui.click(*list, 5, 20);
//   ui.key(*field, "k", UiDriver::Command);
//   ui.type(*field, "flour");
//   ui.settle();                        // posted events: App.Open, the focus a window
//                                       // gets when it opens, Resized, Quit...
//   ui.pressKey("\x1F");                // a key where the focus is, no click
//
// Its defaults are the desktop's: boxes deactivate and reactivate the window,
// drags wait for the drag distance and drop at the pointer, drops land on the
// window as it is (active or not), Ticks counts from a system start hours ago.
#include "framework/ui/Runtime.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <string>
#include <vector>

class Listbox;
class RectControl;
class Window;
class QTemporaryDir;
class QWidget;
class ScriptedUiService;
class Picture;

// What the simulated user drags.
struct DropData {
    std::optional<std::string> text;
    std::vector<std::string> files;
    std::shared_ptr<Picture> picture;
};

class UiDriver {
public:
    enum Modifier : unsigned { None = 0, Command = 1, Shift = 2, Option = 4, Control = 8 };

    UiDriver();
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;

    // --- time --------------------------------------------------------------
    int32_t ticks() const;
    void advanceTicks(int32_t ticks);
    void advanceMicroseconds(int64_t micros);
    int32_t doubleClickTicks = 20;

    // --- folders -----------------------------------------------------------
    // A folder of the driver's temp tree, made when missing: the root of each
    // special folder ("ApplicationData", "Preferences", "Desktop",
    // "Documents", "Home", "Temporary"). HOME, XDG_DATA_HOME and
    // XDG_CONFIG_HOME point there too while the driver lives.
    std::string folder(const char* name) const;

    // --- dialogs -------------------------------------------------------------
    // The scripted UiService installed for this driver's life; unexpected
    // dialogs fail the test, and scripted ones left unused fail it at the end.
    ScriptedUiService& dialogs() { return *dialogs_; }

    // --- application -------------------------------------------------------
    // Runs the start-up steps and the posted App.Open, without a real loop.
    // The loop's end is recorded instead of exiting.
    void start(const Runtime::StartupSteps& steps, const std::vector<std::string>& documents = {});
    // Runs posted events and timers (App.Open, Resized, the shutdown, deletions).
    void settle();
    bool loopEnded() const { return loopEnded_; }
    int exitCode() const { return exitCode_; }

    // --- input -------------------------------------------------------------
    // Press and release at control coordinates; a click on a control that
    // accepts the focus gives it the focus first, as Qt does.
    void click(RectControl& control, int32_t x, int32_t y, unsigned modifiers = None, bool contextual = false);
    void press(RectControl& control, int32_t x, int32_t y, unsigned modifiers = None, bool contextual = false);
    void drag(RectControl& control, int32_t x, int32_t y);  // move with the button held
    void move(RectControl& control, int32_t x, int32_t y);  // move with no button held
    void release(RectControl& control, int32_t x, int32_t y);
    // Two clicks inside the double-click interval (the clock moves on by one tick between).
    void doubleClick(RectControl& control, int32_t x, int32_t y);
    void clickWindow(Window& window, int32_t x, int32_t y, bool contextual = false);

    // A click in the middle of a list cell, through the list's viewport.
    void clickCell(Listbox& list, int32_t row, int32_t column = 0);
    void selectRow(Listbox& list, int32_t row) { clickCell(list, row, 0); }

    // One key to the control (given the focus first if it has not, as the
    // user's click in it would): a one-character key string as KeyDown
    // receives it ("a", "\r", "\x1C"...).
    void key(RectControl& control, const std::string& key, unsigned modifiers = None);
    // A key on the keyboard: it goes where the focus is, the focused control
    // of the active window, else that window itself. Nothing is focused for it.
    void pressKey(const std::string& key, unsigned modifiers = None);
    void type(RectControl& control, const std::string& text);
    void tab(RectControl& control, bool backwards = false);

    // The user moves the focus (a click or Tab), through Qt's focus entry.
    void setFocus(RectControl& control);
    // The user clicks the window's frame (activate), or another program's
    // window (deactivate): the activation model does what Qt's activation
    // change does on a real display.
    void activate(Window& window);
    void deactivate(Window& window);
    void resize(Window& window, int32_t width, int32_t height);
    // Drags the data over (x, y) and drops it, as Qt's drag events do.
    // Answers whether the drop was taken.
    bool drop(RectControl& control, const DropData& data, int32_t x = 1, int32_t y = 1);
    bool dropOnWindow(Window& window, const DropData& data, int32_t x, int32_t y);
    // Chooses a menu item by name: enabling pass, then the dispatch chain.
    bool chooseMenu(const std::string& itemName);

private:
    void sendKey(QWidget* receiver, const std::string& key, unsigned modifiers);

    // Two hours, thirteen minutes and a bit since the system started.
    static constexpr int64_t kUptimeTicks = 479'843;
    int64_t fakeTicks_ = kUptimeTicks;
    int64_t extraMicros_ = 0;
    std::unique_ptr<QTemporaryDir> folders_;
    std::vector<std::pair<const char*, std::string>> savedEnvironment_;
    ScriptedUiService* dialogs_ = nullptr;
    unsigned heldModifiers_ = None;  // while a simulated key or press is delivered
    // Where a simulated press is on the screen while it is delivered (the
    // pointer reads 100, 100 otherwise).
    std::optional<std::pair<int32_t, int32_t>> pressPointer_;
    bool loopEnded_ = false;
    int exitCode_ = 0;
};
