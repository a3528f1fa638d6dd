#include "framework/ui/ApplicationInputFilter.h"

#include "framework/runtime/Services.h"
#include "framework/ui/KeyMapping.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
class ApplicationInputFilter : public QObject {
public:
    explicit ApplicationInputFilter(QObject* parent) : QObject(parent) { setObjectName("ApplicationInputFilter"); }

    bool eventFilter(QObject* obj, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                auto* e = static_cast<QKeyEvent*>(event);
                // Application filters see a key once per receiver as it
                // travels up; updating the set is idempotent.
                const int code = macKeyCodeFor(e->key());
                if (code >= 0) {
                    if (event->type() == QEvent::KeyPress) services().heldKeys.press(code);
                    else if (!e->isAutoRepeat()) services().heldKeys.release(code);
                }
                break;
            }
            case QEvent::ApplicationDeactivate: services().heldKeys.releaseAll(); break;
            default: break;
        }
        return QObject::eventFilter(obj, event);
    }
};
}  // namespace

void installApplicationInputFilter() {
    if (!qApp || qApp->findChild<QObject*>("ApplicationInputFilter", Qt::FindDirectChildrenOnly)) return;
    qApp->installEventFilter(new ApplicationInputFilter(qApp));
}
