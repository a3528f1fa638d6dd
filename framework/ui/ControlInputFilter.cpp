#include "framework/ui/ControlInputFilter.h"
#include "framework/runtime/HeldInput.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/KeyMapping.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include "framework/ui/DropConversion.h"

#include <QApplication>
#include <QMimeData>
#include <QDropEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <unordered_map>

namespace {
std::unordered_map<const QWidget*, RectControl*>& registry() {
    static auto* map = new std::unordered_map<const QWidget*, RectControl*>;
    return *map;
}

// The nearest widget at or above `widget` that carries a filter.
const QWidget* nearestRegistered(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (registry().count(w)) return w;
        if (w->isWindow()) break;
    }
    return nullptr;
}

// A mouse event is dispatched by the first filtered widget Qt gives it to:
// the nearest filtered widget above the deepest widget under the pointer.
// Qt passes an ignored press on to the parents, where it must not count
// again (for the same control through its outer widget, or for a parent
// control that something was embedded in).
bool firstFilteredReceiver(QWidget* receiver, const QPoint& pos) {
    QWidget* hit = receiver->childAt(pos);
    return nearestRegistered(hit ? hit : receiver) == receiver;
}

// Key events travel up the same way, as the same event object. Each control
// remembers the key it last dispatched and where, so that key's way up
// through the control's outer widgets passes it on. Per control, because a
// handler may show a dialog that takes other keys before its own key moves on.
struct KeyRecord {
    const QEvent* event = nullptr;
    QPointer<QWidget> receiver;
};

std::unordered_map<const RectControl*, KeyRecord>& keyRecords() {
    // Never destroyed: no Qt object (the QPointers) may die after the application.
    static auto* records = new std::unordered_map<const RectControl*, KeyRecord>;
    return *records;
}

bool keyAlreadyDispatched(const RectControl* control, QEvent* event, QWidget* receiver) {
    KeyRecord& last = keyRecords()[control];
    const bool travelling =
        event == last.event && last.receiver && receiver != last.receiver.data() && receiver->isAncestorOf(last.receiver);
    if (!travelling) {
        last.event = event;
        last.receiver = receiver;
    }
    return travelling;
}

bool isContextual(const QMouseEvent* e) {
    return e->button() == Qt::RightButton ||
           (e->button() == Qt::LeftButton && (e->modifiers() & Qt::MetaModifier));
}

class ControlInputFilter : public QObject {
public:
    ControlInputFilter(QWidget* widget, RectControl* control) : QObject(widget), control_(control) {}

    bool eventFilter(QObject* obj, QEvent* event) override {
        auto* receiver = qobject_cast<QWidget*>(obj);
        if (!receiver || !control_->widget()) return false;
        if (!receiver->isEnabled()) return refuseWhileDisabled(event);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                // A double click is just another press: the framework counts
                // clicks itself with Ticks, never with Qt's double-click events.
                auto* e = static_cast<QMouseEvent*>(event);
                const QPoint pos = e->position().toPoint();
                if (!firstFilteredReceiver(receiver, pos)) return false;
                const QPoint local = toControl(receiver, pos);
                return InputDispatch::mouseDown(*control_, local.x(), local.y(), isContextual(e));
            }
            case QEvent::MouseMove: {
                auto* e = static_cast<QMouseEvent*>(event);
                if (InputDispatch::mouseDragTo(e->globalPosition().toPoint(), e->buttons())) return true;
                if (e->buttons() == Qt::NoButton && firstFilteredReceiver(receiver, e->position().toPoint())) {
                    const QPoint local = toControl(receiver, e->position().toPoint());
                    InputDispatch::mouseHover(*control_, local.x(), local.y());
                }
                return false;
            }
            case QEvent::MouseButtonRelease: {
                auto* e = static_cast<QMouseEvent*>(event);
                return InputDispatch::mouseUpAt(e->globalPosition().toPoint());
            }
            case QEvent::Enter:
                if (receiver == control_->widget()) InputDispatch::mouseEnter(*control_);
                return false;
            case QEvent::Leave:
                if (receiver == control_->widget()) InputDispatch::mouseExit(*control_);
                return false;
            case QEvent::KeyPress: {
                auto* e = static_cast<QKeyEvent*>(event);
                const std::string key = keyStringFor(e->key(), e->modifiers(), e->text().toStdString());
                if (key.empty() || keyAlreadyDispatched(control_, event, receiver)) return false;
                return InputDispatch::keyDown(*control_, key);
            }
            case QEvent::FocusIn: {
                auto* e = static_cast<QFocusEvent*>(event);
                InputDispatch::focusIn(*control_, e->reason());
                return false;
            }
            case QEvent::FocusOut: {
                auto* e = static_cast<QFocusEvent*>(event);
                InputDispatch::focusOut(*control_, e->reason(), QApplication::focusWidget());
                return false;
            }
            case QEvent::DragEnter:
            case QEvent::DragMove: {
                auto* e = static_cast<QDragMoveEvent*>(event);
                if (control_->insertsDropsItself() && e->mimeData()->hasUrls() &&
                    !control_->dropTarget().takesFilesOf(*dragItemFromMime(*e->mimeData()))) {
                    // Refused here, the drag goes on to the parents and the window.
                    e->ignore();
                    return true;
                }
                if (!control_->dropTarget().acceptsAnything()) return false;
                const QPoint local = toControl(receiver, e->position().toPoint());
                const auto item = dragItemFromMime(*e->mimeData());
                if (!InputDispatch::dragOver(*control_, local.x(), local.y(), item, dragActionFrom(e->proposedAction()))) {
                    e->ignore();
                    return true;
                }
                if (control_->insertsDropsItself()) return false;
                e->acceptProposedAction();
                return true;
            }
            case QEvent::Drop: {
                if (!control_->dropTarget().acceptsAnything() || control_->insertsDropsItself()) return false;
                auto* e = static_cast<QDropEvent*>(event);
                const auto item = dragItemFromMime(*e->mimeData());
                if (!control_->dropTarget().wants(*item)) return false;
                e->acceptProposedAction();
                // During a long job the drop waits with the user's other input.
                HeldInput::hold(*receiver, [filter = QPointer<ControlInputFilter>(this), item,
                                            action = dragActionFrom(e->dropAction())] {
                    if (filter && filter->control_->widget()) InputDispatch::drop(*filter->control_, item, action);
                });
                return true;
            }
            default: return false;
        }
    }

private:
    // A disabled control takes no click and no drop. Qt's own widgets refuse
    // them in QWidget::event, which runs after this filter: without this a
    // disabled control would still raise MouseDown and DropObject. Its
    // clicks go on to the parents as Qt passes them; a drag over it is
    // refused. Everything else takes its usual way.
    static bool refuseWhileDisabled(QEvent* event) {
        switch (event->type()) {
            case QEvent::DragEnter:
            case QEvent::DragMove:
            case QEvent::Drop:
                event->ignore();
                return true;
            default: return false;
        }
    }

    // Through screen coordinates: a routed widget need not lie inside the
    // control's own widget.
    QPoint toControl(QWidget* receiver, const QPoint& pos) const {
        return control_->widget()->mapFromGlobal(receiver->mapToGlobal(pos));
    }

    RectControl* control_;
};
}  // namespace

namespace ControlRegistry {
void add(QWidget* widget, RectControl* control) { registry()[widget] = control; }
void removeControl(const RectControl* control) {
    keyRecords().erase(control);
    for (auto it = registry().begin(); it != registry().end();) {
        if (it->second == control) it = registry().erase(it);
        else ++it;
    }
}
RectControl* controlFor(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        auto it = registry().find(w);
        if (it != registry().end()) return it->second;
        if (w->isWindow()) break;
    }
    return nullptr;
}
}  // namespace ControlRegistry

void installControlInputFilter(QWidget* widget, RectControl* control) {
    widget->installEventFilter(new ControlInputFilter(widget, control));
}
