#include "framework/menus/MenuDispatch.h"

#include "framework/menus/MenuContext.h"
#include "framework/menus/MenuHandlers.h"
#include "framework/menus/MenuItem.h"

namespace {
// Greys every menu and submenu below `menu` none of whose commands is
// offered, as the handlers left them; answers whether `menu` offers any.
// Only ever turns a menu off: a handler that greyed one keeps it grey.
bool greyMenusOfferingNothing(MenuItem& menu) {
    bool offers = false;
    for (int32_t i = 0; i < menu.Count(); ++i) {
        MenuItem& item = *menu.Item(i);
        if (item.isSeparator() || !item.Visible) continue;
        if (item.Count() > 0 && !greyMenusOfferingNothing(item)) item.Enabled = false;
        offers = offers || item.Enabled;
    }
    return offers;
}
}  // namespace

void runEnablingPass(MenuContext& context) {
    auto bar = context.activeMenuBar();
    if (bar) bar->forEach([](MenuItem& item) { item.Enabled = item.AutoEnable; });
    context.raiseFocusedControlEnableMenuItems();
    context.raiseFrontWindowEnableMenuItems();
    context.raiseWindowBehindEnableMenuItems();
    context.raiseApplicationEnableMenuItems();
    // A command nobody in the chain carries out is not offered: with the
    // help window in front, "Delete Recipe..." would otherwise be enabled
    // and do nothing. Menus and submenus stay as the handlers left them.
    if (bar)
        bar->forEach([&](MenuItem& item) {
            if (item.Enabled && item.Count() == 0 && !item.isSeparator() && item.Parent() &&
                !hasHandlerInChain(context, item))
                item.Enabled = false;
        });
    // A menu title with nothing under it to choose is grey, so the user sees
    // at a glance that it does not apply (Format in kitchen mode).
    if (bar) greyMenusOfferingNothing(*bar);
    if (bar) bar->notifyChanged();
}

bool isEffectivelyEnabled(const MenuItem& item) {
    for (const MenuItem* up = &item; up; up = up->Parent())
        if (!up->Enabled || !up->Visible) return false;
    return !item.isSeparator();
}

namespace {
// The window behind takes a command the front window has no handler for,
// unless it is an editing command the front window's focused control can
// carry out itself (Select All in the palette's size field).
MenuHandlerTable* windowBehindFor(MenuContext& context, const std::string& name) {
    MenuHandlerTable* behind = context.windowBehindHandlers();
    if (!behind || !behind->has(name)) return nullptr;
    auto edit = standardEditForItem(name);
    if (edit && context.focusedControlCanEdit(*edit)) return nullptr;
    return behind;
}
}  // namespace

bool hasHandlerInChain(MenuContext& context, const MenuItem& item) {
    if (MenuHandlerTable* window = context.frontWindowHandlers(); window && window->has(item.Name))
        return true;
    if (windowBehindFor(context, item.Name)) return true;
    if (MenuHandlerTable* app = context.applicationHandlers(); app && app->has(item.Name))
        return true;
    auto edit = standardEditForItem(item.Name);
    return edit && context.focusedControlCanEdit(*edit);
}

bool dispatchMenuItem(MenuContext& context, const MenuItem& item) {
    // The name is copied: a handler may rename or remove the item.
    const std::string name = item.Name;
    bool ran = false;
    if (MenuHandlerTable* window = context.frontWindowHandlers(); window && window->has(name)) {
        ran = true;
        if (window->invoke(name)) return true;
    }
    if (MenuHandlerTable* behind = ran ? nullptr : windowBehindFor(context, name)) {
        ran = true;
        context.activateWindowBehind();
        if (behind->invoke(name)) return true;
    }
    if (MenuHandlerTable* app = context.applicationHandlers(); app && app->has(name)) {
        app->invoke(name);
        return true;
    }
    // Standard editing only when nobody bound the item: a bound handler that
    // answers False must not get a second paste on top of its own.
    if (ran) return true;
    auto edit = standardEditForItem(name);
    if (edit && context.focusedControlCanEdit(*edit)) {
        context.focusedControlEdit(*edit);
        return true;
    }
    return false;
}

bool chooseMenuItem(MenuContext& context, const std::string& name) {
    runEnablingPass(context);
    auto bar = context.activeMenuBar();
    MenuItem* item = bar ? bar->FindItem(name) : nullptr;
    if (!item || !isEffectivelyEnabled(*item)) return false;
    return dispatchMenuItem(context, *item);
}

namespace {

// The first item of the active bar, in menu order, whose shortcut the chord
// triggers and that passes the test.
MenuItem* firstShortcutItem(MenuContext& context, const KeyChord& pressed,
                            const std::function<bool(MenuItem&)>& accept) {
    auto bar = context.activeMenuBar();
    if (!bar) return nullptr;
    MenuItem* found = nullptr;
    bar->forEach([&](MenuItem& item) {
        if (found || item.KeyboardShortcut.empty()) return;
        auto chord = parseShortcut(item.KeyboardShortcut);
        if (chord && shortcutMatches(*chord, pressed) && accept(item)) found = &item;
    });
    return found;
}

}  // namespace

MenuItem* findShortcutItem(MenuContext& context, const KeyChord& pressed) {
    return firstShortcutItem(context, pressed, [](MenuItem&) { return true; });
}

MenuItem* enabledShortcutItem(MenuContext& context, const KeyChord& pressed) {
    return firstShortcutItem(context, pressed, [&](MenuItem& item) {
        return isEffectivelyEnabled(item) && hasHandlerInChain(context, item);
    });
}

MenuItem* shortcutTarget(MenuContext& context, const KeyChord& pressed) {
    // Most keys are no shortcut at all; only those that are pay for a pass.
    if (!findShortcutItem(context, pressed)) return nullptr;
    runEnablingPass(context);
    return enabledShortcutItem(context, pressed);
}

bool dispatchMenuShortcut(MenuContext& context, const KeyChord& pressed) {
    MenuItem* target = shortcutTarget(context, pressed);
    if (!target) return false;
    dispatchMenuItem(context, *target);
    return true;
}
