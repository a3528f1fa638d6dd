#pragma once
// A slider, vertical when taller than wide. Value is clamped to the range;
// ValueChanged is raised for every change, by the user or by code, and only
// for a real change.
#include "framework/ui/RectControl.h"

class QSlider;

class Slider : public RectControl {
public:
    Slider();

    Property<int32_t> Minimum, Maximum, Value, LineStep, PageStep;
    Property<bool> LiveScroll;

    Event<void()> ValueChanged;
    virtual void handleValueChanged() { ValueChanged(); }

protected:
    void geometryApplied() override;

private:
    QSlider* slider_;
    int32_t last_ = 0;
};
