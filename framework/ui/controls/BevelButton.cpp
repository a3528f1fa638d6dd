#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/HandlerScope.h"

#include <QToolButton>

#include "framework/ui/controls/ControlFont.h"
#include "framework/ui/ExceptionRouting.h"

BevelButton::BevelButton()
    : Caption(std::string()), TextFont(std::string("System")), TextSize(0.0), Bold(false), Value(false),
      CaptionAlign(0), CaptionPlacement(0), CaptionDelta(0), BevelCode(0), ButtonType(0), HasMenu(0), IconAlign(0),
      IconDX(0), IconDY(0), button_(new QToolButton) {
    setWidget(button_);
    button_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Caption.onChange([this](const std::string& c) { button_->setText(QString::fromStdString(c)); });
    bindControlFont(button_, TextFont, TextSize, Bold);
    QObject::connect(button_, &QToolButton::clicked, [this] { guardedHandler(*this, [this] { handleAction(); }); });
}

void BevelButton::Push() {
    if (Enabled.get()) handleAction();
}
