#include "framework/runtime/HeldInput.h"

#include "framework/runtime/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <private/qcoreapplication_p.h>
#include <private/qguiapplication_p.h>
#include <utility>
#include <vector>

namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

struct Held {
    QPointer<QWindow> window;
    std::unique_ptr<QEvent> event;
};

// Takes input as the toolkit hands it to a top-level window, before any
// widget, shortcut or filter of ours has seen it.
class Holder : public QObject {
public:
    std::vector<Held> held;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType() || !isUserInput(event->type())) return false;
        held.push_back({QPointer<QWindow>(static_cast<QWindow*>(watched)), std::unique_ptr<QEvent>(event->clone())});
        return true;
    }
};

Holder* holder = nullptr;

// A job that never calls release (printing) has ended once the loop turns
// outside a yield: looked at on every turn while holding.
void releaseOnceOutsideJobs() {
    if (!holder) return;
    if (yieldingToEventLoop()) QTimer::singleShot(0, holder, releaseOnceOutsideJobs);
    else HeldInput::release();
}

}  // namespace

void HeldInput::hold() {
    if (holder || !qApp) return;
    holder = new Holder;
    qApp->installEventFilter(holder);
    QTimer::singleShot(0, holder, releaseOnceOutsideJobs);
}

void HeldInput::release() {
    if (!holder) return;
    std::unique_ptr<Holder> ending(std::exchange(holder, nullptr));
    qApp->removeEventFilter(ending.get());
    for (Held& h : ending->held) {
        if (!h.window || QGuiApplicationPrivate::instance()->isWindowBlocked(h.window)) continue;
        QCoreApplicationPrivate::setEventSpontaneous(h.event.get(), true);
        QCoreApplication::sendEvent(h.window, h.event.get());
    }
}
