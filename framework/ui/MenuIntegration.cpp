#include "framework/ui/MenuIntegration.h"

#include "framework/menus/MenuBarView.h"
#include "framework/menus/MenuContext.h"
#include "framework/menus/MenuDispatch.h"
#include "framework/menus/MenuHandlers.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuShortcutFilter.h"
#include "framework/ui/Application.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QMenuBar>

namespace {
// The standard editing item behind each action (the names the controls know).
const char* itemNameFor(StandardEdit action) {
    switch (action) {
        case StandardEdit::Undo: return "EditUndo";
        case StandardEdit::Cut: return "EditCut";
        case StandardEdit::Copy: return "EditCopy";
        case StandardEdit::Paste: return "EditPaste";
        case StandardEdit::Clear: return "EditClear";
        case StandardEdit::SelectAll: return "EditSelectAll";
    }
    return "";
}

RectControl* focusedControl() {
    Window* front = WindowList::frontWindow();
    return front ? front->Focus() : nullptr;
}

// The document window a floating front window (a palette) serves: the
// frontmost one shown. nullptr when the front window is no floating one.
Window* windowBehind() {
    Window* front = WindowList::frontWindow();
    if (!front || front->Frame.get() != Window::FloatingFrame) return nullptr;
    for (Window* w : WindowList::frontToBack())
        if (w != front && w->Frame.get() == Window::DocumentFrame && w->isShown() && !w->isClosing()) return w;
    return nullptr;
}

// The running application as the menus see it: the front window (our
// activation model's, not the window whose menu bar was clicked), the
// application, and the focused control of the front window.
class FrameworkMenuContext : public MenuContext {
public:
    std::shared_ptr<MenuBar> activeMenuBar() override {
        if (Window* front = WindowList::frontWindow())
            if (auto bar = front->MenuBar.get()) return bar;
        if (Window* behind = windowBehind())
            if (auto bar = behind->MenuBar.get()) return bar;
        Application* app = currentApplication();
        return app ? app->MenuBar : nullptr;
    }
    MenuHandlerTable* frontWindowHandlers() override {
        Window* front = WindowList::frontWindow();
        return front ? &front->menuHandlers() : nullptr;
    }
    MenuHandlerTable* windowBehindHandlers() override {
        Window* behind = windowBehind();
        return behind ? &behind->menuHandlers() : nullptr;
    }
    void activateWindowBehind() override {
        if (Window* behind = windowBehind()) behind->Show();
    }
    void raiseWindowBehindEnableMenuItems() override {
        if (Window* behind = windowBehind()) behind->handleEnableMenuItems();
    }
    MenuHandlerTable* applicationHandlers() override {
        Application* app = currentApplication();
        return app ? &app->menuHandlers() : nullptr;
    }
    void raiseFocusedControlEnableMenuItems() override {
        if (RectControl* c = focusedControl()) c->handleEnableMenuItems();
    }
    void raiseFrontWindowEnableMenuItems() override {
        if (Window* front = WindowList::frontWindow()) front->handleEnableMenuItems();
    }
    void raiseApplicationEnableMenuItems() override {
        if (Application* app = currentApplication()) app->handleEnableMenuItems();
    }
    bool focusedControlCanEdit(StandardEdit action) override {
        RectControl* c = focusedControl();
        return c && c->canStandardEdit(itemNameFor(action));
    }
    void focusedControlEdit(StandardEdit action) override {
        if (RectControl* c = focusedControl()) c->doStandardEdit(itemNameFor(action));
    }
    void unhandledException(std::exception_ptr error) override {
        try {
            std::rethrow_exception(error);
        } catch (...) {
            routeCurrentException();
        }
    }
};

FrameworkMenuContext& context() {
    static auto* instance = new FrameworkMenuContext;  // plain object, never destroyed
    return *instance;
}
}  // namespace

void ensureMenuIntegration() {
    setMenuContext(&context());
    installMenuShortcutFilter();
}

void installMenuBar(Window& window, const std::shared_ptr<MenuBar>& bar) {
    QMainWindow* top = window.widget();
    if (QWidget* old = top->menuWidget()) {
        top->setMenuWidget(nullptr);
        delete old;
    }
    if (bar) top->setMenuBar(MenuBarView::createMenuBarWidget(bar, top));
}

void runMenuEnablingPass() {
    setMenuContext(&context());
    runEnablingPass(context());
}

void scheduleMenuEnablingPass() {
    static bool scheduled = false;
    if (scheduled || !qApp) return;
    scheduled = true;
    QTimer::singleShot(0, qApp, [] {
        scheduled = false;
        if (Runtime::quitting()) return;
        guarded([] { runMenuEnablingPass(); });
    });
}

bool chooseMenuItem(const std::string& itemName) {
    setMenuContext(&context());
    return chooseMenuItem(context(), itemName);
}
