#include "framework/ui/controls/ProgressBar.h"

#include <QProgressBar>

ProgressBar::ProgressBar() : Maximum(100), Value(0), bar_(new QProgressBar) {
    bar_->setTextVisible(false);
    setWidget(bar_);
    Maximum.onChange([this](const int32_t&) { show(); });
    Value.onChange([this](const int32_t&) { show(); });
    show();
}

// The values are kept as written; only the display is clamped.
void ProgressBar::show() {
    int32_t max = std::max(Maximum.get(), 0);
    bar_->setRange(0, max);
    bar_->setValue(std::clamp(Value.get(), 0, max));
}
