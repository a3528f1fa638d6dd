#include "framework/ui/ImplicitWindows.h"

#include <map>

namespace {
std::map<std::type_index, Window*>& instances() {
    static std::map<std::type_index, Window*> registry;
    return registry;
}
}  // namespace

namespace ImplicitWindows {

Window* find(std::type_index type) {
    auto it = instances().find(type);
    return it == instances().end() ? nullptr : it->second;
}

void remember(std::type_index type, Window& window) { instances()[type] = &window; }

void forget(const Window& window) {
    for (auto it = instances().begin(); it != instances().end();) {
        if (it->second == &window) it = instances().erase(it);
        else ++it;
    }
}

void forgetAll() { instances().clear(); }

}  // namespace ImplicitWindows
