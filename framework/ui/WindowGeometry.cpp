// A window's client size, position, limits and frame kind. Client size
// changes from code, the user and the test driver all apply the locks here.
#include "framework/ui/ExceptionRouting.h"
#include "framework/runtime/Services.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowWidget.h"

#include <QMenuBar>
#include <QTimer>
#include <algorithm>

void Window::clientResized(int32_t width, int32_t height, bool byUserDrag) {
    if (!built_) {
        // Design values: the controls are placed for the design size, and
        // no handler runs yet.
        Width.setQuietly(width);
        Height.setQuietly(height);
        lastWidth_ = width;
        lastHeight_ = height;
        applyClientSize();
        return;
    }
    const int32_t dw = width - lastWidth_, dh = height - lastHeight_;
    Width.setQuietly(width);
    Height.setQuietly(height);
    lastWidth_ = width;
    lastHeight_ = height;
    applyClientSize();
    if (dw == 0 && dh == 0) return;
    // Locks first, so Resizing handlers see the controls in their new places.
    for (size_t i = 0; i < controls_.size(); ++i) {
        RectControl& c = *controls_[i];
        if (!c.Parent()) c.parentResizedBy(dw, dh);
    }
    handleResizing();
    // Qt does not say when the user lets go of the frame; a short pause in
    // the resize steps stands for it.
    raiseResizedLater(byUserDrag ? 150 : 0);
}

void Window::raiseResizedLater(int delayMs) {
    const int generation = ++resizedGeneration_;
    QTimer::singleShot(delayMs, widget_, [this, generation] {
        if (generation == resizedGeneration_ && !closing_) guarded([&] { handleResized(); });
    });
}

namespace {
// The window manager's decoration around the client: left, top, right,
// bottom; zeros until the window manager has framed the window.
void readFrameMargins(const QWidget& widget, int32_t margins[4]) {
    const QRect frame = widget.frameGeometry(), client = widget.geometry();
    margins[0] = std::max(0, client.left() - frame.left());
    margins[1] = std::max(0, client.top() - frame.top());
    margins[2] = std::max(0, frame.right() - client.right());
    margins[3] = std::max(0, frame.bottom() - client.bottom());
}

// The menu bar sits inside the widget but above the client area.
int menuBarHeight(const QMainWindow& widget) {
    return widget.menuWidget() ? widget.menuWidget()->sizeHint().height() : 0;
}

// The largest client whose frame (decoration and menu bar around it) fits
// the screen's usable area.
QSize largestClient(const ScreenInfo& screen, const int32_t margins[4], int menuHeight) {
    return {screen.AvailableWidth - margins[0] - margins[2], screen.AvailableHeight - menuHeight - margins[1] - margins[3]};
}
}  // namespace

void Window::applyClientSize() {
    const int menuHeight = menuBarHeight(*widget_);
    const int w = std::max(0, Width.get()), h = std::max(0, Height.get());
    widget_->resize(w, h + menuHeight);
    widget_->content()->resize(w, h);
}

// Not Qt's full-screen mode: that would hide the menu bar the product keeps.
// The window keeps its title bar and close button too, so it is the frame
// that fills the screen's usable area: the client is that area less the
// window manager's decoration, which is known only once the window is shown
// (frameMayHaveChanged fits it again then).
void Window::applyFullScreen(bool full) {
    if (full) {
        normalGeometry_[0] = Left.get();
        normalGeometry_[1] = Top.get();
        normalGeometry_[2] = Width.get();
        normalGeometry_[3] = Height.get();
        fitFullScreen();
    } else {
        Left = normalGeometry_[0];
        Top = normalGeometry_[1];
        clientResized(normalGeometry_[2], normalGeometry_[3]);
        applySizeLimits();
    }
}

void Window::fitFullScreen() {
    readFrameMargins(*widget_, frameMargins_);
    const ScreenInfo screen = services().screen(0);
    const QSize client = largestClient(screen, frameMargins_, menuBarHeight(*widget_));
    Left = screen.AvailableLeft;
    Top = screen.AvailableTop;
    clientResized(client.width(), client.height());
    applySizeLimits();  // a fixed size follows the new one
}

void Window::fitFrameOnScreen() {
    if (!keepFrameOnScreen_ || FullScreen.get() || closing_) return;
    const QRect frame = widget_->frameGeometry();
    readFrameMargins(*widget_, frameMargins_);
    const ScreenInfo screen = services().screen(0);
    if (screen.AvailableWidth <= 0 || screen.AvailableHeight <= 0) return;
    const int menuHeight = menuBarHeight(*widget_);
    const QSize largest = largestClient(screen, frameMargins_, menuHeight);
    const int32_t width =
        shrinkToScreen_ ? std::max(MinWidth.get(), std::min(Width.get(), largest.width())) : Width.get();
    const int32_t height =
        shrinkToScreen_ ? std::max(MinHeight.get(), std::min(Height.get(), largest.height())) : Height.get();
    if (width != Width.get() || height != Height.get()) {
        clientResized(width, height);
        applySizeLimits();
    }
    const int32_t frameWidth = width + frameMargins_[0] + frameMargins_[2];
    const int32_t frameHeight = height + menuHeight + frameMargins_[1] + frameMargins_[3];
    const int32_t rightmost = screen.AvailableLeft + std::max(0, screen.AvailableWidth - frameWidth);
    const int32_t lowest = screen.AvailableTop + std::max(0, screen.AvailableHeight - frameHeight);
    const int32_t left = std::clamp(frame.left(), screen.AvailableLeft, rightmost);
    const int32_t top = std::clamp(frame.top(), screen.AvailableTop, lowest);
    if (left != frame.left() || top != frame.top()) {
        Left = left;
        Top = top;
    }
}

void Window::frameMayHaveChanged() {
    if ((!FullScreen.get() && !keepFrameOnScreen_) || closing_) return;
    int32_t margins[4];
    readFrameMargins(*widget_, margins);
    if (std::equal(margins, margins + 4, frameMargins_)) return;
    guarded([&] {
        if (FullScreen.get()) fitFullScreen();
        else fitFrameOnScreen();
    });
}

void Window::applySizeLimits() {
    const int menuHeight = menuBarHeight(*widget_);
    if (!Resizeable.get()) {
        widget_->setFixedSize(std::max(0, Width.get()), std::max(0, Height.get()) + menuHeight);
        return;
    }
    widget_->setMinimumSize(std::max(0, MinWidth.get()), std::max(0, MinHeight.get()) + menuHeight);
    widget_->setMaximumSize(std::clamp(MaxWidth.get(), 0, QWIDGETSIZE_MAX),
                            std::clamp(MaxHeight.get() + menuHeight, 0, QWIDGETSIZE_MAX));
}

void Window::applyFrame() {
    Qt::WindowFlags flags;
    switch (Frame.get()) {
        case FloatingFrame: flags = Qt::Tool; break;
        case FixedFrame:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        default: flags = Qt::Window; break;
    }
    const bool fixed = Frame.get() == FixedFrame;
    if (fixed || !CloseButton.get() || !MinimizeButton.get() || !MaximizeButton.get()) {
        // Each button asked for by name; the window's title and menu stay.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
        if (CloseButton.get()) flags |= Qt::WindowCloseButtonHint;
        if (!fixed && MinimizeButton.get()) flags |= Qt::WindowMinimizeButtonHint;
        if (!fixed && MaximizeButton.get()) flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (wasVisible) widget_->show();
}
