#pragma once
// What the menu machinery needs to know about the running application: the
// front window's handlers and enabling event, the focused control's enabling
// event and standard editing, and the application's handlers and enabling
// event. The window layer implements it; tests supply their own.
#include <exception>
#include <memory>
#include <optional>
#include <string>

class MenuBar;
class MenuHandlerTable;

// The editing every text control offers without any handler bound.
enum class StandardEdit { Undo, Cut, Copy, Paste, Clear, SelectAll };

// The standard editing action behind an Edit menu item name, if any
// (EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll).
std::optional<StandardEdit> standardEditForItem(const std::string& itemName);

class MenuContext {
public:
    virtual ~MenuContext() = default;

    // The menu bar whose items the keyboard and the enabling pass work on:
    // the front window's, else the application's. May be nullptr.
    virtual std::shared_ptr<MenuBar> activeMenuBar() = 0;

    // Handler tables; nullptr when there is no front window / application.
    virtual MenuHandlerTable* frontWindowHandlers() = 0;
    virtual MenuHandlerTable* applicationHandlers() = 0;

    // When the front window floats above a document window (a palette in
    // front of the window it serves): that window's handlers, which the
    // menus reach after the front window's, so its commands keep working
    // while the palette is in front. nullptr otherwise.
    virtual MenuHandlerTable* windowBehindHandlers() { return nullptr; }
    // One of the window behind's handlers is about to run. The command acts
    // on that window, so it becomes the active one first: what the user
    // types next goes to it, not to the palette.
    virtual void activateWindowBehind() {}

    // The EnableMenuItems events, raised in this order by the enabling pass.
    virtual void raiseFocusedControlEnableMenuItems() = 0;
    virtual void raiseFrontWindowEnableMenuItems() = 0;
    virtual void raiseWindowBehindEnableMenuItems() {}
    virtual void raiseApplicationEnableMenuItems() = 0;

    // The focused control's built-in editing.
    virtual bool focusedControlCanEdit(StandardEdit action) = 0;
    virtual void focusedControlEdit(StandardEdit action) = 0;

    // An exception escaped a handler called from a Qt event (menu click,
    // shortcut, menu about to open); it must not cross the Qt frame.
    virtual void unhandledException(std::exception_ptr error) = 0;
};

// The context the Qt side (menu bar views, the shortcut filter) uses. The
// application installs it at start-up; nullptr disables menus and shortcuts.
MenuContext* currentMenuContext();
void setMenuContext(MenuContext* context);
