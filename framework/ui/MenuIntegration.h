#pragma once
// Where windows and the application meet the menus: installing the one menu
// bar in a window, the enabling pass, and choosing an item by name (the
// dispatch chain: front window, then the application, then the focused
// control's standard editing).
#include <memory>
#include <string>

class MenuBar;
class Window;

// Makes the framework the menus' context and routes menu shortcuts
// (internal; every Window and the Application call it).
void ensureMenuIntegration();

void installMenuBar(Window& window, const std::shared_ptr<MenuBar>& bar);

// Enabled = AutoEnable for every item, then the focused control's, the front
// window's and the application's EnableMenuItems.
void runMenuEnablingPass();

// Runs the enabling pass once the event loop turns, however often it is
// asked before then. The focus model asks after every change of the focus,
// so a menu that depends on the focus (the Format menu) shows enabled or
// greyed as soon as the focus moves, not only when a menu is next opened.
void scheduleMenuEnablingPass();

// Runs the enabling pass, then the item's handler chain. True when a
// handler or a standard editing action took it.
bool chooseMenuItem(const std::string& itemName);
