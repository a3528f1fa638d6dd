#include "framework/graphics/ImageGraphics.h"

#include <QImage>
#include <QPainter>

ImageGraphics::ImageGraphics(QImage& image) : image_(image) {}

ImageGraphics::ImageGraphics(QImage& image, int32_t areaLeft, int32_t areaTop, int32_t areaWidth, int32_t areaHeight)
    : image_(image), hasArea_(true), areaLeft_(areaLeft), areaTop_(areaTop), areaWidth_(areaWidth),
      areaHeight_(areaHeight) {}

ImageGraphics::~ImageGraphics() = default;

int32_t ImageGraphics::Width() const { return hasArea_ ? areaWidth_ : image_.width(); }
int32_t ImageGraphics::Height() const { return hasArea_ ? areaHeight_ : image_.height(); }

QPainter* ImageGraphics::beginPainting() {
    if (image_.isNull()) return nullptr;
    auto* painter = new QPainter;
    if (!painter->begin(&image_)) {
        delete painter;
        return nullptr;
    }
    if (hasArea_) {
        painter->translate(areaLeft_, areaTop_);
        painter->setClipRect(QRect(0, 0, areaWidth_, areaHeight_));
    }
    return painter;
}

void ImageGraphics::endPainting(QPainter* painter) {
    painter->end();
    delete painter;
}
