#include "framework/ui/MenuIntegration.h"

#include "framework/runtime/Application.h"
#include "framework/runtime/ExceptionRouting.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

void installMenuBar(Window&, const std::shared_ptr<MenuBar>&) {}

void runMenuEnablingPass() {
    Window* front = WindowList::frontWindow();
    if (front)
        if (RectControl* focused = front->Focus()) focused->handleEnableMenuItems();
    if (front) front->handleEnableMenuItems();
    if (Application* app = currentApplication()) app->handleEnableMenuItems();
}

bool chooseMenuItem(const std::string& itemName) {
    runMenuEnablingPass();
    Window* front = WindowList::frontWindow();
    if (front && front->hasMenuHandler(itemName) && front->invokeMenuHandler(itemName)) return true;
    Application* app = currentApplication();
    if (app && app->hasMenuHandler(itemName) && app->invokeMenuHandler(itemName)) return true;
    if (front)
        if (RectControl* focused = front->Focus())
            if (focused->canStandardEdit(itemName)) return focused->doStandardEdit(itemName);
    return false;
}
