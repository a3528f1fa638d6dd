#include "framework/graphics/PrinterGraphics.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {
constexpr double pointsPerInch = 72.0;
}

PrinterGraphics::PrinterGraphics(QPagedPaintDevice& device) : device_(device) {}

PrinterGraphics::~PrinterGraphics() { EndJob(); }

int32_t PrinterGraphics::Width() const {
    return static_cast<int32_t>(device_.width() * pointsPerInch / device_.logicalDpiX());
}

int32_t PrinterGraphics::Height() const {
    return static_cast<int32_t>(device_.height() * pointsPerInch / device_.logicalDpiY());
}

QPainter* PrinterGraphics::beginPainting() {
    if (ended_) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device_)) {
            // The device refused the job (no printer, unwritable file): every
            // later call draws nothing instead of failing.
            ended_ = true;
            painter_.reset();
            return nullptr;
        }
    }
    painter_->save();
    painter_->scale(device_.logicalDpiX() / pointsPerInch, device_.logicalDpiY() / pointsPerInch);
    return painter_.get();
}

void PrinterGraphics::endPainting(QPainter* painter) { painter->restore(); }

void PrinterGraphics::NextPage() {
    // Starting the job first keeps an empty first page a page of its own.
    QPainter* painter = beginPainting();
    if (!painter) return;
    endPainting(painter);
    device_.newPage();
}

void PrinterGraphics::EndJob() {
    if (painter_) painter_->end();
    painter_.reset();
    ended_ = true;
}
