#include "framework/ui/controls/PushButton.h"
#include "framework/ui/HandlerScope.h"

#include <QKeyEvent>
#include <QMainWindow>
#include <QPushButton>

#include "framework/ui/controls/ControlFont.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/Window.h"

PushButton::PushButton()
    : Caption(std::string()), Default(false), Cancel(false), TextFont(std::string("System")), TextSize(0.0),
      Bold(false), button_(new QPushButton) {
    setWidget(button_);
    button_->setAutoDefault(false);
    Caption.onChange([this](const std::string& c) { button_->setText(QString::fromStdString(c)); });
    Default.onChange([this](const bool& d) { button_->setDefault(d); });
    bindControlFont(button_, TextFont, TextSize, Bold);
    QObject::connect(button_, &QPushButton::clicked, [this] { guardedHandler(*this, [this] { handleAction(); }); });
}

namespace {
// Sees the keys that travel up to the window because no widget took them.
class WindowKeyWatcher : public QObject {
public:
    WindowKeyWatcher(QObject* owner, PushButton& button) : QObject(owner), button_(button) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        int key = static_cast<QKeyEvent*>(event)->key();
        bool wanted = ((key == Qt::Key_Return || key == Qt::Key_Enter) && button_.Default.get()) ||
                      (key == Qt::Key_Escape && button_.Cancel.get());
        if (!wanted || !button_.Visible.get() || !button_.Enabled.get()) return false;
        guardedHandler(button_, [this] { button_.Push(); });
        return true;
    }

private:
    PushButton& button_;
};
}  // namespace

void PushButton::attached() {
    if (QWidget* top = Window()->widget()) top->installEventFilter(new WindowKeyWatcher(button_, *this));
}

void PushButton::Push() {
    if (Enabled.get()) handleAction();
}
