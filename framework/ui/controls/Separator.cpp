#include "framework/ui/controls/Separator.h"

#include <QFrame>

Separator::Separator() : frame_(new QFrame) {
    frame_->setFrameShape(QFrame::HLine);
    frame_->setFrameShadow(QFrame::Sunken);
    setWidget(frame_);
}

void Separator::geometryApplied() {
    frame_->setFrameShape(Width.get() >= Height.get() ? QFrame::HLine : QFrame::VLine);
}
