#include "framework/ui/controls/Slider.h"
#include "framework/ui/HandlerScope.h"

#include <QSlider>

#include "framework/ui/ExceptionRouting.h"

Slider::Slider()
    : Minimum([this] { return slider_->minimum(); }, [this](const int32_t& v) { slider_->setMinimum(v); }),
      Maximum([this] { return slider_->maximum(); }, [this](const int32_t& v) { slider_->setMaximum(v); }),
      Value([this] { return slider_->value(); }, [this](const int32_t& v) { slider_->setValue(v); }),
      LineStep([this] { return slider_->singleStep(); }, [this](const int32_t& v) { slider_->setSingleStep(v); }),
      PageStep([this] { return slider_->pageStep(); }, [this](const int32_t& v) { slider_->setPageStep(v); }),
      LiveScroll([this] { return slider_->hasTracking(); }, [this](const bool& v) { slider_->setTracking(v); }),
      slider_(new QSlider(Qt::Horizontal)) {
    slider_->setRange(0, 100);
    setWidget(slider_);
    last_ = slider_->value();
    // Range changes clamp the value too, and report it like any other change.
    QObject::connect(slider_, &QSlider::valueChanged, [this](int v) {
        if (v == last_) return;
        last_ = v;
        guardedHandler(*this, [this] { handleValueChanged(); });
    });
}

void Slider::geometryApplied() {
    slider_->setOrientation(Height.get() > Width.get() ? Qt::Vertical : Qt::Horizontal);
}
