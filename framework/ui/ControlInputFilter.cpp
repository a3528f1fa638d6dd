#include "framework/ui/ControlInputFilter.h"

#include "framework/runtime/ExceptionRouting.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/KeyMapping.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include "framework/ui/DropConversion.h"

#include <QApplication>
#include <QDropEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <unordered_map>

namespace {
std::unordered_map<const QWidget*, RectControl*>& registry() {
    static auto* map = new std::unordered_map<const QWidget*, RectControl*>;
    return *map;
}

// The control the event is really about: a press that a child control's
// widget ignored travels up to its parents, and must not count as theirs.
bool hitsThisControl(QWidget* receiver, const QPoint& pos, RectControl* control) {
    QWidget* hit = receiver->childAt(pos);
    return ControlRegistry::controlFor(hit ? hit : receiver) == control;
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
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick: {
                // A double click is just another press: the framework counts
                // clicks itself with Ticks, never with Qt's double-click events.
                auto* e = static_cast<QMouseEvent*>(event);
                const QPoint pos = e->position().toPoint();
                if (!hitsThisControl(receiver, pos, control_)) return false;
                const QPoint local = receiver->mapTo(control_->widget(), pos);
                if (receiver != control_->widget() && !control_->widget()->isAncestorOf(receiver)) return false;
                return InputDispatch::mouseDown(*control_, local.x(), local.y(), isContextual(e));
            }
            case QEvent::MouseMove: {
                auto* e = static_cast<QMouseEvent*>(event);
                if (InputDispatch::mouseDragTo(e->globalPosition().toPoint())) return true;
                if (e->buttons() == Qt::NoButton && hitsThisControl(receiver, e->position().toPoint(), control_)) {
                    const QPoint local = receiver->mapTo(control_->widget(), e->position().toPoint());
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
                if (key.empty()) return false;
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
                if (!control_->dropTarget().acceptsAnything()) return false;
                auto* e = static_cast<QDragMoveEvent*>(event);
                const QPoint local = receiver->mapTo(control_->widget(), e->position().toPoint());
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
                InputDispatch::drop(*control_, item, dragActionFrom(e->dropAction()));
                return true;
            }
            default: return false;
        }
    }

private:
    RectControl* control_;
};
}  // namespace

namespace ControlRegistry {
void add(QWidget* widget, RectControl* control) { registry()[widget] = control; }
void removeControl(const RectControl* control) {
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
