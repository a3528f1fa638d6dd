#include "framework/ui/controls/PushButton.h"

#include <QPushButton>

#include "framework/graphics/FontMapping.h"
#include "framework/runtime/ExceptionRouting.h"

PushButton::PushButton()
    : Caption(std::string()), Default(false), Cancel(false), TextFont(std::string("System")), TextSize(0.0),
      Bold(false), button_(new QPushButton) {
    setWidget(button_);
    button_->setAutoDefault(false);
    Caption.onChange([this](const std::string& c) { button_->setText(QString::fromStdString(c)); });
    Default.onChange([this](const bool& d) { button_->setDefault(d); });
    auto font = [this] { button_->setFont(resolveFont(TextFont.get(), TextSize.get(), Bold.get())); };
    TextFont.onChange([font](const std::string&) { font(); });
    TextSize.onChange([font](const double&) { font(); });
    Bold.onChange([font](const bool&) { font(); });
    font();
    QObject::connect(button_, &QPushButton::clicked, [this] { guarded([this] { handleAction(); }); });
}

void PushButton::Push() {
    if (Enabled.get()) handleAction();
}
