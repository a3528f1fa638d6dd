#pragma once
// Implicit single-instance windows: each window class has one instance,
// reached through an accessor named after the window. The accessor answers
// the open instance, or builds one (its constructor lays out the controls
// and binds the handlers); a closed window is forgotten, so the next call
// builds a fresh one in its design state. Never nil.
//
//   MainWindow& Main() { return implicitInstance<MainWindow>(); }
#include "framework/ui/Runtime.h"
#include "framework/ui/WindowList.h"

#include <memory>
#include <typeindex>

class Window;

namespace ImplicitWindows {
Window* find(std::type_index type);
void remember(std::type_index type, Window& window);
void forget(const Window& window);
void forgetAll();
}  // namespace ImplicitWindows

template <class W>
W& implicitInstance() {
    if (Window* open = ImplicitWindows::find(typeid(W))) return static_cast<W&>(*open);
    W& built = static_cast<W&>(WindowList::own(std::make_unique<W>()));
    ImplicitWindows::remember(typeid(W), built);
    Runtime::windowBuilt(built);
    return built;
}

// A window that is not a single instance (built each time it is asked for).
template <class W, class... Args>
W& newWindow(Args&&... args) {
    W& built = static_cast<W&>(WindowList::own(std::make_unique<W>(std::forward<Args>(args)...)));
    Runtime::windowBuilt(built);
    return built;
}
