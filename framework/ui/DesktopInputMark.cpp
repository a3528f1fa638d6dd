#include "framework/ui/DesktopInputMark.h"

#include <QCoreApplication>
#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

constexpr char kMarkAtom[] = "_LARDERWISE_INPUT_MARK";

int64_t lastMark = -1;

xcb_atom_t internAtom(xcb_connection_t* connection) {
    const auto cookie = xcb_intern_atom(connection, 0, sizeof kMarkAtom - 1, kMarkAtom);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

// The counter as the driver wrote it (one 32-bit CARDINAL), or -1.
int64_t readMark(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom) {
    const auto cookie = xcb_get_property(connection, 0, root, atom, XCB_ATOM_CARDINAL, 0, 1);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    if (!reply) return -1;
    int64_t value = -1;
    if (reply->format == 32 && xcb_get_property_value_length(reply) == 4)
        value = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return value;
}

class MarkFilter : public QAbstractNativeEventFilter {
public:
    MarkFilter(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom)
        : connection_(connection), root_(root), atom_(atom) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == root_ && change->atom == atom_) {
            const int64_t mark = readMark(connection_, root_, atom_);
            if (mark > lastMark) lastMark = mark;
        }
        return false;  // the toolkit still sees every event
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
    xcb_atom_t atom_;
};

// Adds property changes of the root window to what this client hears, keeping
// whatever the toolkit selected there.
void hearRootPropertyChanges(xcb_connection_t* connection, xcb_window_t root) {
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr);
    if (!attributes) return;
    const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_PROPERTY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

}  // namespace

namespace DesktopInputMark {

void install() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t atom = internAtom(connection);
    if (atom == XCB_ATOM_NONE) return;
    hearRootPropertyChanges(connection, root);
    lastMark = readMark(connection, root, atom);  // a mark set before this copy started counts as seen
    static MarkFilter filter(connection, root, atom);
    QCoreApplication::instance()->installNativeEventFilter(&filter);
}

int64_t last() { return lastMark; }

}  // namespace DesktopInputMark
