#include "framework/runtime/HeldInput.h"

#include "framework/runtime/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <memory>
#include <private/qcoreapplication_p.h>
#include <private/qguiapplication_p.h>
#include <utility>
#include <vector>

namespace {

// Input as the toolkit hands it to a top-level window, before any widget,
// filter of ours or menu key has seen it; and the toolkit's own shortcuts
// (a menu title's Alt+letter), which it sends straight to their owner.
bool isHeldInput(const QObject& receiver, QEvent::Type type) {
    if (type == QEvent::Shortcut) return true;
    if (!receiver.isWindowType()) return false;
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
    QPointer<QObject> receiver;
    std::unique_ptr<QEvent> event;   // an event to send again, or
    std::function<void()> deliver;   // what a drop does
};

class Holder : public QObject {
public:
    std::vector<Held> held;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isHeldInput(*watched, event->type())) return false;
        held.push_back({QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone()), nullptr});
        return true;
    }
};

// The top-level window the input was meant for (none for an object that is
// neither a window nor a widget).
QWindow* windowOf(QObject& receiver) {
    if (receiver.isWindowType()) return static_cast<QWindow*>(&receiver);
    if (auto* widget = qobject_cast<QWidget*>(&receiver)) return widget->window()->windowHandle();
    return nullptr;
}

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
        if (!h.receiver) continue;
        // The desktop was told a drop was taken: it is never thrown away.
        if (h.deliver) {
            h.deliver();
            continue;
        }
        QWindow* window = windowOf(*h.receiver);
        if (window && QGuiApplicationPrivate::instance()->isWindowBlocked(window)) continue;
        QCoreApplicationPrivate::setEventSpontaneous(h.event.get(), true);
        QCoreApplication::sendEvent(h.receiver, h.event.get());
    }
}

void HeldInput::hold(QObject& target, std::function<void()> deliver) {
    if (!holder) {
        deliver();
        return;
    }
    holder->held.push_back({QPointer<QObject>(&target), nullptr, std::move(deliver)});
}
