#pragma once
// A progress bar: Value out of Maximum.
#include "framework/ui/RectControl.h"

class QProgressBar;

class ProgressBar : public RectControl {
public:
    ProgressBar();

    Property<int32_t> Maximum, Value;

private:
    void show();
    QProgressBar* bar_;
};
