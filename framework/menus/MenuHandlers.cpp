#include "framework/menus/MenuHandlers.h"

#include "framework/menus/MenuName.h"

void MenuHandlerTable::AddMenuHandler(const std::string& name, Handler handler) {
    for (auto& [bound, existing] : handlers_) {
        if (sameMenuName(bound, name)) {
            existing = std::move(handler);
            return;
        }
    }
    handlers_.emplace_back(name, std::move(handler));
}

const MenuHandlerTable::Handler* MenuHandlerTable::find(const std::string& name) const {
    for (const auto& [bound, handler] : handlers_)
        if (sameMenuName(bound, name) && handler) return &handler;
    return nullptr;
}

bool MenuHandlerTable::has(const std::string& name) const {
    return find(name) != nullptr;
}

bool MenuHandlerTable::invoke(const std::string& name) const {
    const Handler* handler = find(name);
    if (!handler) return false;
    // Copy: the handler may rebind itself (or close the window owning the table).
    Handler run = *handler;
    return run();
}
