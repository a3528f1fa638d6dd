#include "tests/support/DropEvents.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

bool sendDropEvents(QWidget* target, const QPoint& pos, const QMimeData& mime) {
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(pos, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(pos, actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (!move.isAccepted()) return false;
    QDropEvent dropped(QPointF(pos), actions, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
    return dropped.isAccepted();
}

QWidget* widgetAtScreen(const QPoint& global, QPoint& local) {
    // Front to back as Qt stacks them; offscreen windows only overlap in tests
    // that put them there.
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        QWidget* top = *it;
        if (!top->isVisible() || top->isMinimized() || !top->frameGeometry().contains(global)) continue;
        const QPoint inTop = top->mapFromGlobal(global);
        QWidget* hit = top->childAt(inTop);
        QWidget* target = hit ? hit : top;
        local = target->mapFromGlobal(global);
        return target;
    }
    return nullptr;
}
