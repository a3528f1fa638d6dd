#pragma once
// The enabling pass and the dispatch chain of menu commands.
//
// Enabling: every item's Enabled becomes its AutoEnable, then the focused
// control's, the front window's, the window behind's (when a palette is in
// front of the document window it serves) and the application's
// EnableMenuItems events adjust them; commands nobody would carry out, and
// then menus with no command left to offer, are turned off; then the views
// of the bar are told.
//
// Dispatch of an item: the front window's handler; if it has none, the
// window behind's (made active first), unless the item is standard editing
// the focused control can do; if the handler that ran answers False, or
// there was none, the application's handler; if none ran, the focused
// control's standard editing for the Edit items; else nothing.
#include <string>

#include "framework/menus/MenuShortcut.h"

class MenuContext;
class MenuItem;

void runEnablingPass(MenuContext& context);

// Enabled and Visible, and so is every menu above it: a disabled menu
// disables its items and their shortcuts.
bool isEffectivelyEnabled(const MenuItem& item);

// Someone in the chain would act on the item.
bool hasHandlerInChain(MenuContext& context, const MenuItem& item);

// Runs the chain for an item without looking at its enabled state (the
// caller has done that: a view only lets enabled items be chosen).
// Answers whether anything in the chain ran.
bool dispatchMenuItem(MenuContext& context, const MenuItem& item);

// What choosing the item by name does: the enabling pass, then the chain if
// the item is effectively enabled. Answers whether anything ran.
bool chooseMenuItem(MenuContext& context, const std::string& name);

// The item of the active menu bar whose shortcut the chord triggers, or
// nullptr. Runs no enabling pass.
MenuItem* findShortcutItem(MenuContext& context, const KeyChord& pressed);

// The item that takes the chord with the enabled states as they are now
// (no enabling pass): effectively enabled and handled in the chain.
MenuItem* enabledShortcutItem(MenuContext& context, const KeyChord& pressed);

// Would the chord be taken by a menu item now? Runs the enabling pass when
// some item has that shortcut. An item that is disabled, or that nobody in
// the chain handles, does not take its key: it passes on to the focused
// control and the window.
MenuItem* shortcutTarget(MenuContext& context, const KeyChord& pressed);

// Handles a key as a menu shortcut: answers True when an item took it and
// its handler ran, False when the key must go on to the control and window.
bool dispatchMenuShortcut(MenuContext& context, const KeyChord& pressed);
