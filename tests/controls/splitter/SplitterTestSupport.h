#pragma once
// Windows, controls and drags for the splitter tests. Drags go through the
// framework's input dispatch, so the press gating is the real one, and the
// pointer positions are window coordinates turned into the bar's own as a
// real drag would (the bar moves under the pointer).
#include <QPoint>
#include <QWidget>

#include <initializer_list>
#include <string>

#include "controls/splitter/SmartSplitter.h"
#include "framework/graphics/MouseCursor.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/Window.h"

struct SplitterTestWindow : Window {
    SplitterTestWindow(int32_t width = 400, int32_t height = 300) {
        Width = width;
        Height = height;
    }
};

struct Rect {
    int32_t left, top, width, height;
    bool operator==(const Rect&) const = default;
};
inline std::ostream& operator<<(std::ostream& o, const Rect& r) {
    return o << r.left << "," << r.top << " " << r.width << "x" << r.height;
}
inline Rect rectOf(const RectControl& c) { return Rect{c.Left, c.Top, c.Width, c.Height}; }

// Adds a control and places it; all locks off unless given (l, t, r, b).
template <class T>
T* place(Window& w, const std::string& name, Rect r, const char* locks = "", RectControl* parent = nullptr) {
    T* c = w.add<T>(name, parent);
    c->Left = r.left;
    c->Top = r.top;
    c->Width = r.width;
    c->Height = r.height;
    const std::string l(locks);
    c->LockLeft = l.find('l') != std::string::npos;
    c->LockTop = l.find('t') != std::string::npos;
    c->LockRight = l.find('r') != std::string::npos;
    c->LockBottom = l.find('b') != std::string::npos;
    return c;
}

// Presses the bar in its middle, drags it towards each bar position in
// turn, and releases at the last one.
inline void dragBar(SmartSplitter& bar, std::initializer_list<int32_t> positions) {
    QWidget* content = bar.Window()->contentWidget();
    const int32_t grabX = bar.Width / 2, grabY = bar.Height / 2;
    const int32_t acrossX = bar.Left + grabX, acrossY = bar.Top + grabY;
    if (!InputDispatch::mouseDown(bar, grabX, grabY, false)) return;
    QPoint at = content->mapToGlobal(QPoint(acrossX, acrossY));
    for (int32_t p : positions) {
        at = content->mapToGlobal(bar.isVertical ? QPoint(p + grabX, acrossY) : QPoint(acrossX, p + grabY));
        InputDispatch::mouseDragTo(at, Qt::LeftButton);
    }
    InputDispatch::mouseUpAt(at);
}
