#pragma once
// The Qt side of a framework Window (internal): a QMainWindow whose central
// widget is the client area. It turns Qt's close box, activation changes and
// resizes into the framework's calls.
#include <QMainWindow>

class Window;

class WindowWidget : public QMainWindow {
public:
    explicit WindowWidget(Window& owner);
    QWidget* content() const { return content_; }
    void detach() { owner_ = nullptr; }  // the framework window is going away

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    friend class WindowContent;
    Window* owner_;
    QWidget* content_;
};
