#pragma once
// Shared set-up for control tests: a shown window and real Qt mouse and key
// events sent through the application, so the framework's filters see them.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "framework/ui/Window.h"

struct TestWindow : Window {
    TestWindow() {
        Width = 400;
        Height = 300;
    }
};

// Sets a control's design rectangle in window coordinates.
inline void place(RectControl& c, int32_t left, int32_t top, int32_t width, int32_t height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

inline void sendClick(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QPointF local(at);
    QPointF global(target->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

inline void sendKey(QWidget* target, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

inline void typeText(QWidget* target, const QString& text) {
    for (QChar c : text) sendKey(target, 0, QString(c));
}
