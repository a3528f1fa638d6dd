#include "framework/graphics/PrinterGraphics.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "framework/graphics/DeviceScaledPicture.h"

namespace {
constexpr double pointsPerInch = 72.0;
}

PrinterGraphics::PrinterGraphics(QPagedPaintDevice& device)
    : device_(device), lastPicture_(std::make_unique<DeviceScaledPicture>()) {}

PrinterGraphics::~PrinterGraphics() { EndJob(); }

int32_t PrinterGraphics::Width() const {
    return static_cast<int32_t>(device_.width() * pointsPerInch / device_.logicalDpiX());
}

int32_t PrinterGraphics::Height() const {
    return static_cast<int32_t>(device_.height() * pointsPerInch / device_.logicalDpiY());
}

void PrinterGraphics::fail(std::string why) {
    if (failure_.empty()) failure_ = why.empty() ? "The printer did not take the job." : std::move(why);
}

QPainter* PrinterGraphics::beginPainting() {
    if (ended_) return nullptr;
    if (!painter_) {
        // Every later call draws nothing once the device has refused the job.
        if (std::string why = openDevice(); !why.empty()) {
            fail(why);
            ended_ = true;
            return nullptr;
        }
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device_)) {
            fail({});
            ended_ = true;
            painter_.reset();
            closeDevice();
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
    if (!device_.newPage()) fail({});
}

bool PrinterGraphics::EndJob() {
    if (painter_) {
        const bool ended = painter_->end();
        painter_.reset();
        std::string why = closeDevice();
        if (!why.empty()) fail(why);
        else if (!ended) fail({});
    }
    ended_ = true;
    return failure_.empty();
}

void PrinterGraphics::drawPicturePart(QPainter& painter, const Picture& picture, const QRect& source,
                                      const QRectF& target) {
    const QRectF onDevice = painter.transform().mapRect(target);
    const QSize pixels(static_cast<int>(std::ceil(onDevice.width())), static_cast<int>(std::ceil(onDevice.height())));
    const QImage& image = lastPicture_->imageFor(picture, source, pixels);
    painter.drawImage(target, image, QRectF(image.rect()));
}
