#include "framework/ui/WindowList.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"

#include <QTimer>
#include <algorithm>

namespace {
std::vector<Window*>& order() {  // front first
    static std::vector<Window*> windows;
    return windows;
}
// Never destroyed as statics: windows hold Qt widgets, which must go before
// the QApplication does. Runtime::releaseEverything() empties these in time.
std::vector<std::unique_ptr<Window>>& owned() {
    static auto* windows = new std::vector<std::unique_ptr<Window>>;
    return *windows;
}
std::vector<std::unique_ptr<Window>>& graveyard() {
    static auto* windows = new std::vector<std::unique_ptr<Window>>;
    return *windows;
}
bool deletionPosted = false;

void moveToFront(Window& w) {
    auto& list = order();
    auto it = std::find(list.begin(), list.end(), &w);
    if (it != list.end()) list.erase(it);
    list.insert(list.begin(), &w);
}
}  // namespace

namespace WindowList {

Window& own(std::unique_ptr<Window> window) {
    Window& ref = *window;
    owned().push_back(std::move(window));
    return ref;
}

void add(Window& window) { order().push_back(&window); }

void remove(Window& window) {
    auto& list = order();
    list.erase(std::remove(list.begin(), list.end(), &window), list.end());
}

bool contains(const Window* window) {
    const auto& list = order();
    return std::find(list.begin(), list.end(), window) != list.end();
}

std::vector<Window*> frontToBack() { return order(); }

Window* activeWindow() {
    for (Window* w : order())
        if (w->isActive()) return w;
    return nullptr;
}

Window* frontWindow() {
    if (Window* active = activeWindow()) return active;
    for (Window* w : order())
        if (w->isShown() && !w->isClosing()) return w;
    return nullptr;
}

void activate(Window& window) {
    if (window.isClosing()) return;
    moveToFront(window);
    if (window.isActive()) return;
    for (Window* other : order())
        if (other != &window && other->isActive()) other->setActive(false);
    window.setActive(true);
}

void deactivate(Window& window) {
    if (window.isActive()) window.setActive(false);
}

void hidden(Window& window) {
    if (!window.isActive()) return;
    window.setActive(false);
    // The window behind becomes the active one, except while quitting: then
    // every window closes in turn and none should get the focus back.
    if (Runtime::quitting()) return;
    for (Window* next : order())
        if (next != &window && next->isShown() && !next->isClosing()) {
            activate(*next);
            break;
        }
}

void closed(Window& window) {
    hidden(window);
    remove(window);
    auto& mine = owned();
    auto it = std::find_if(mine.begin(), mine.end(), [&](const auto& p) { return p.get() == &window; });
    if (it != mine.end()) {
        graveyard().push_back(std::move(*it));
        mine.erase(it);
        if (!deletionPosted) {
            deletionPosted = true;
            QTimer::singleShot(0, [] { deleteClosed(); });
        }
    }
}

void deleteClosed() {
    deletionPosted = false;
    auto dead = std::move(graveyard());
    graveyard().clear();
    dead.clear();
}

void releaseAll() {
    deleteClosed();
    // Back to front, so windows built later (which may refer to earlier
    // ones) go first.
    auto mine = std::move(owned());
    owned().clear();
    while (!mine.empty()) mine.pop_back();
    order().clear();
}

}  // namespace WindowList
