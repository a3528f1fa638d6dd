#include "framework/ui/ModalSession.h"

#include "framework/runtime/ExceptionRouting.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

namespace {
bool deactivating = false;
int openBoxes = 0;

Window* activeWindow() {
    for (Window* w : WindowList::frontToBack())
        if (w->isActive()) return w;
    return nullptr;
}
}  // namespace

ModalSession::ModalSession() {
    ++openBoxes;
    Window* active = activeWindow();
    if (!active) return;
    deactivated_ = active;
    wasShown_ = active->isShown();
    deactivating = true;
    guarded([&] { WindowList::deactivate(*active); });
    deactivating = false;
}

ModalSession::~ModalSession() {
    --openBoxes;
    Window* w = deactivated_;
    // The handler may have closed or hidden the window meanwhile, or shown
    // another one that is now in front.
    if (!w || !WindowList::contains(w) || w->isClosing() || (wasShown_ && !w->isShown()) || activeWindow()) return;
    guarded([&] { WindowList::activate(*w); });
}

bool ModalSession::deactivatingForBox() { return deactivating; }

int ModalSession::depth() { return openBoxes; }
