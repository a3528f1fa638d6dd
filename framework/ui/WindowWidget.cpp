#include "framework/ui/WindowWidget.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/runtime/HeldInput.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/DropConversion.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/KeyMapping.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

// The client area. Its size is the window's Width/Height; a size Qt gives it
// that differs from ours (the user dragged the frame) becomes a resize.
class WindowContent : public QWidget {
public:
    WindowContent(WindowWidget& top) : QWidget(&top), top_(top) {}

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        Window* owner = top_.owner_;
        if (!owner) return;
        const QSize s = event->size();
        if (s.width() == std::max(0, owner->Width.get()) && s.height() == std::max(0, owner->Height.get()))
            return;  // the size we asked for
        if (!top_.isVisible()) return;  // a hidden window's layout is not the user's doing
        guarded([&] { owner->clientResized(s.width(), s.height(), true); });
    }
    // Presses on the client area outside every control are the window's.
    void mousePressEvent(QMouseEvent* event) override { press(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { press(event); }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (!InputDispatch::mouseDragTo(event->globalPosition().toPoint(), event->buttons())) QWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (!InputDispatch::mouseUpAt(event->globalPosition().toPoint())) QWidget::mouseReleaseEvent(event);
    }
    // Drops on the client area that no control took.
    void dragEnterEvent(QDragEnterEvent* event) override { dragMoveEvent(event); }
    void dragMoveEvent(QDragMoveEvent* event) override {
        Window* owner = top_.owner_;
        if (owner && InputDispatch::windowTakesDrag(*owner, *dragItemFromMime(*event->mimeData())))
            event->acceptProposedAction();
        else event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        Window* owner = top_.owner_;
        const auto item = dragItemFromMime(*event->mimeData());
        if (!owner || !InputDispatch::windowTakesDrag(*owner, *item)) return event->ignore();
        event->acceptProposedAction();
        // During a long job the drop waits with the user's other input.
        HeldInput::hold(*this, [window = QPointer<WindowContent>(this), item, action = dragActionFrom(event->dropAction())] {
            if (window && window->top_.owner_) InputDispatch::windowDrop(*window->top_.owner_, item, action);
        });
    }
    void paintEvent(QPaintEvent* event) override {
        Window* owner = top_.owner_;
        if (owner && (owner->HasBackColor.get() || owner->Backdrop.get())) {
            QPainter p(this);
            if (owner->HasBackColor.get()) p.fillRect(rect(), QColor::fromRgb(owner->BackColor.get() & 0xFFFFFF));
            if (auto backdrop = owner->Backdrop.get()) p.drawImage(QPoint(0, 0), backdrop->composedImage());
        }
        QWidget::paintEvent(event);
    }

private:
    void press(QMouseEvent* event) {
        Window* owner = top_.owner_;
        const QPoint pos = event->position().toPoint();
        if (!owner || childAt(pos)) return event->ignore();
        const bool contextual = event->button() == Qt::RightButton ||
                                (event->button() == Qt::LeftButton && (event->modifiers() & Qt::MetaModifier));
        if (!InputDispatch::windowMouseDown(*owner, pos.x(), pos.y(), contextual)) event->ignore();
    }

    WindowWidget& top_;
};

WindowWidget::WindowWidget(Window& owner) : owner_(&owner), content_(nullptr) {
    content_ = new WindowContent(*this);
    setCentralWidget(content_);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    // Keys no control consumed travel up to here.
    const std::string key = keyStringFor(event->key(), event->modifiers(), event->text().toStdString());
    if (owner_ && !key.empty() && InputDispatch::windowKeyDown(*owner_, key)) return;
    QMainWindow::keyPressEvent(event);
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // The window manager's frame arrives with the first moves after showing.
    if (owner_) owner_->frameMayHaveChanged();
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    // The framework decides: a close box click runs Window::Close, which
    // hides and later deletes this widget itself.
    event->ignore();
    if (owner_ && !owner_->isClosing()) {
        Window* owner = owner_;
        guarded([&] {
            if (!owner->handleCancelClose()) owner->Close();
        });
    }
}

void WindowWidget::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !owner_) return;
    // Offscreen, Qt's activation arrives late and does not follow closes,
    // so it would undo what Show and the test driver decided.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    Window* owner = owner_;
    if (isActiveWindow()) guarded([&] { WindowList::activate(*owner); });
    else guarded([&] { WindowList::deactivate(*owner); });
}
