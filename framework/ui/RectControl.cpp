#include "framework/ui/RectControl.h"

#include "framework/runtime/RuntimeException.h"
#include "framework/ui/ControlInputFilter.h"
#include "framework/ui/CursorHook.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/Window.h"

#include <QPoint>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace {
QString toolTipText(const std::string& tag) {
    // Help tags use CR line ends; Qt wants LF.
    QString text = QString::fromStdString(tag);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    return text;
}
}  // namespace

RectControl::RectControl()
    : Left(0), Top(0), Width(100), Height(20), LockLeft(true), LockTop(true), LockRight(false),
      LockBottom(false), Visible(true), Enabled(true), AcceptFocus(false), HelpTag(std::string()),
      MouseCursor(nullptr), TabPanelIndex(0), Index(-1), AutoDeactivate(true), UseFocusRing(true) {
    wireProperties();
}

RectControl::~RectControl() {
    InputDispatch::forget(this);
    ControlRegistry::removeControl(this);
    if (widget_) {
        delete widget_;  // deletes inner widgets and the input filter with it
    }
}

class Window* RectControl::Window() const {
    if (!window_) throw NilObjectException("the control is not on a window");
    return window_;
}

bool RectControl::Active() const { return window_ && window_->isActive(); }

void RectControl::wireProperties() {
    Left.onChange([this](const int32_t&) { applyDisplayGeometry(); });
    Top.onChange([this](const int32_t&) { applyDisplayGeometry(); });
    Width.onChange([this](const int32_t&) { applyDisplayGeometry(); });
    Height.onChange([this](const int32_t&) { applyDisplayGeometry(); });
    Visible.onChange([this](const bool& v) {
        if (widget_) widget_->setVisible(v);
    });
    Enabled.onChange([this](const bool& v) {
        if (widget_) widget_->setEnabled(v);
    });
    AcceptFocus.onChange([this](const bool& v) {
        if (widget_) widget_->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
    });
    HelpTag.onChange([this](const std::string& v) {
        if (widget_) widget_->setToolTip(toolTipText(v));
    });
    MouseCursor.onChange([this](const class MouseCursor* const& c) {
        if (widget_) applyCursor(widget_, c);
    });
    // Design code sets the tab after placing the control: move it onto that
    // tab's page.
    TabPanelIndex.onChange([this](const int32_t&) {
        if (!widget_ || !parent_) return;
        QWidget* host = parent_->childHost(*this);
        if (host && widget_->parentWidget() != host) {
            widget_->setParent(host);
            widget_->setVisible(Visible.get());
        }
        applyDisplayGeometry();
    });
}

// Left/Top/Width/Height are assigned one at a time, so the stored values are
// the truth and the widget follows them. Moving a control moves the controls
// embedded in it (their window coordinates change with it); resizing it
// applies their locks.
void RectControl::applyDisplayGeometry() {
    if (!widget_ || !window_) return;
    QPoint origin = parent_ ? parent_->childOrigin(*this) : QPoint(0, 0);
    QRect shown(Left.get() - origin.x(), Top.get() - origin.y(), std::max(0, Width.get()),
                std::max(0, Height.get()));
    QRect before = widget_->geometry();
    const int32_t oldLeft = lastLeft_, oldTop = lastTop_, oldWidth = lastWidth_, oldHeight = lastHeight_;
    lastLeft_ = Left.get();
    lastTop_ = Top.get();
    lastWidth_ = Width.get();
    lastHeight_ = Height.get();
    if (before != shown) widget_->setGeometry(shown);

    int32_t dx = lastLeft_ - oldLeft, dy = lastTop_ - oldTop;
    int32_t dw = lastWidth_ - oldWidth, dh = lastHeight_ - oldHeight;
    for (RectControl* child : children_) {
        if (dx || dy) child->moveBy(dx, dy);
        if (dw || dh) child->parentResizedBy(dw, dh);
    }
    geometryApplied();
}

void RectControl::moveBy(int32_t dx, int32_t dy) {
    // The parent's move already carried the widget along; only the window
    // coordinates change, and then this control's own children.
    Left.setQuietly(Left.get() + dx);
    Top.setQuietly(Top.get() + dy);
    lastLeft_ += dx;
    lastTop_ += dy;
    for (RectControl* child : children_) child->moveBy(dx, dy);
}

void RectControl::parentResizedBy(int32_t dw, int32_t dh) {
    int32_t left = Left.get(), top = Top.get(), width = Width.get(), height = Height.get();
    if (LockRight.get()) {
        if (LockLeft.get()) width += dw;
        else left += dw;
    }
    if (LockBottom.get()) {
        if (LockTop.get()) height += dh;
        else top += dh;
    }
    if (left == Left.get() && top == Top.get() && width == Width.get() && height == Height.get()) return;
    Left.setQuietly(left);
    Top.setQuietly(top);
    Width.setQuietly(width);
    Height.setQuietly(height);
    applyDisplayGeometry();
}

QWidget* RectControl::childHost(const RectControl&) const { return widget_; }

QPoint RectControl::childOrigin(const RectControl&) const { return QPoint(Left.get(), Top.get()); }

void RectControl::setWidget(QWidget* widget) {
    widget_ = widget;
    ControlRegistry::add(widget_, this);
    installControlInputFilter(widget_, this);
    widget_->setFocusPolicy(AcceptFocus.get() ? Qt::StrongFocus : Qt::NoFocus);
    widget_->setMouseTracking(true);
}

void RectControl::routeInputFrom(QWidget* inner) {
    ControlRegistry::add(inner, this);
    installControlInputFilter(inner, this);
    inner->setMouseTracking(true);
}

void RectControl::CallLater(std::function<void()> action, int32_t milliseconds) {
    if (widget_) QTimer::singleShot(std::max(0, milliseconds), widget_, std::move(action));
}

void RectControl::SetFocus() {
    if (!window_ || !AcceptFocus.get() || closed_) return;
    window_->focusModel().setFocus(this);
}

void RectControl::Refresh(bool) {
    if (widget_) widget_->update();
}

void RectControl::RefreshRect(int32_t x, int32_t y, int32_t width, int32_t height, bool) {
    if (widget_) widget_->update(x, y, std::max(0, width), std::max(0, height));
}

void RectControl::UpdateNow() {
    if (widget_) widget_->repaint();
}

void RectControl::AcceptTextDrop() {
    dropTarget_.acceptText();
    if (widget_) widget_->setAcceptDrops(true);
}

void RectControl::AcceptPictureDrop() {
    dropTarget_.acceptPicture();
    if (widget_) widget_->setAcceptDrops(true);
}

void RectControl::AcceptFileDrop(const std::string& typeName) {
    dropTarget_.acceptFile(typeName);
    if (widget_) widget_->setAcceptDrops(true);
}
