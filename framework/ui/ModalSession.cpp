#include "framework/ui/ModalSession.h"

#include <memory>

#include "framework/dialogs/ModalGate.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/SessionEnd.h"
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
    if (!deactivated_ || activeWindow() || Runtime::quitting()) return;  // another window came forward meanwhile
    Window* w = deactivated_;
    const bool stillThere = WindowList::contains(w) && !w->isClosing() && !(wasShown_ && !w->isShown());
    if (stillThere) {
        guarded([&] { WindowList::activate(*w); });
        return;
    }
    // The handler closed or hid the window under the box: the window behind
    // it becomes active, as if it had been closed while active.
    for (Window* next : WindowList::frontToBack())
        if (next != w && next->isShown() && !next->isClosing()) {
            guarded([&] { WindowList::activate(*next); });
            return;
        }
}

bool ModalSession::deactivatingForBox() { return deactivating; }

int ModalSession::depth() { return openBoxes; }

void ModalSession::serveTheModalGate() {
    static const std::shared_ptr<void> served = serveModalWindows(
        {[]() -> std::shared_ptr<void> { return std::make_shared<ModalSession>(); }, &SessionEnd::boxesAnsweredForTheUser});
}
