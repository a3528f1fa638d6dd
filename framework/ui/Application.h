#pragma once
// The application object. The product derives its application class from
// it; constructing it registers it as the one application object, reached
// through currentApplication() (the product's `App()` casts it).
//
// Events: Open (raised from the event loop once start-up has finished),
// OpenDocument (each file named on the command line, after Open), Close
// (the application quits; raised once), UnhandledException (an exception
// escaped a handler; True = handled). EnableMenuItems is both the event and
// the method that runs the enabling pass of every menu item.
#include "framework/menus/MenuHandlers.h"
#include "framework/runtime/CommandEvent.h"
#include "framework/runtime/Event.h"
#include "framework/runtime/RuntimeException.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class FolderItem;
class MenuBar;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The menu bar of the application (shown by each window that installs it).
    std::shared_ptr<class MenuBar> MenuBar;

    // Build-time version numbers.
    static int32_t MajorVersion();
    static int32_t MinorVersion();
    static int32_t BugVersion();
    static int32_t StageCode();  // 3 final, 2 beta, 1 alpha, 0 development
    static int32_t NonReleaseVersion();
    // Path of the running executable (its resources: ResourcesFolder.h).
    static std::string ExecutableFilePath();
    static std::shared_ptr<FolderItem> ExecutableFile();

    // Menu handlers bound by item name; they work whatever window is in front.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool hasMenuHandler(const std::string& itemName) const;
    bool invokeMenuHandler(const std::string& itemName);
    MenuHandlerTable& menuHandlers() { return menuHandlers_; }

    // --- events -------------------------------------------------------------
    Event<void()> Open, Close;
    Event<void(std::shared_ptr<FolderItem> item)> OpenDocument;
    Event<bool(RuntimeException& error)> UnhandledException;
    CommandEvent EnableMenuItems;

    virtual void handleOpen() { Open(); }
    virtual void handleOpenDocument(std::shared_ptr<FolderItem> item) { OpenDocument(std::move(item)); }
    virtual void handleClose() { Close(); }
    virtual bool handleUnhandledException(RuntimeException& e) { return UnhandledException(e); }
    virtual void handleEnableMenuItems() { EnableMenuItems.raise(); }

private:
    MenuHandlerTable menuHandlers_;
};

// The registered application object, or nullptr before it exists.
Application* currentApplication();

// Requests the application to quit with `code`. Deferred and idempotent: the
// calling handler runs to its end; then the focused controls lose the focus,
// the windows close, the application's Close runs once and the process
// exits. A second request changes nothing.
void Quit(int code = 0);
