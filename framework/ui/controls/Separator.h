#pragma once
// A separator bar: horizontal when wider than tall, else vertical.
#include "framework/ui/RectControl.h"

class QFrame;

class Separator : public RectControl {
public:
    Separator();

protected:
    void geometryApplied() override;

private:
    QFrame* frame_;
};
