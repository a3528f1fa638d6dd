#include "framework/ui/ApplicationInputFilter.h"

#include "framework/runtime/Services.h"
#include "framework/ui/DropConversion.h"
#include "framework/ui/UserAction.h"
#include "framework/ui/KeyMapping.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace {
class ApplicationInputFilter : public QObject {
public:
    explicit ApplicationInputFilter(QObject* parent) : QObject(parent) { setObjectName("ApplicationInputFilter"); }

    bool eventFilter(QObject* obj, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                // The window system hands input to a window first, before Qt
                // moves the focus for it: one action per press.
                if (obj->isWindowType()) UserAction::begin();
                break;
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                auto* e = static_cast<QKeyEvent*>(event);
                if (event->type() == QEvent::KeyPress && obj->isWindowType()) UserAction::begin();
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
            // The drag as the window system brings it to a window: one drag
            // from entering to leaving or being dropped (DropConversion).
            case QEvent::DragEnter:
                if (obj->isWindowType()) dragEnteredWindow();
                break;
            case QEvent::DragLeave:
                if (obj->isWindowType()) dragLeftWindow();
                break;
            case QEvent::Drop:
                // Over once the window's widgets have taken it.
                if (obj->isWindowType()) QTimer::singleShot(0, qApp, dragLeftWindow);
                break;
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
