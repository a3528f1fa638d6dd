#pragma once
// Graphics that draws into a QImage it is given (a canvas's retained surface,
// a picture). Each call opens and closes its own QPainter, so the image can be
// read, copied to the screen or even reallocated between calls. An optional
// area limits drawing to part of the image and moves the origin to the area's
// corner (a list cell); Width and Height are then the area's.
#include <cstdint>

#include "framework/graphics/PainterGraphics.h"

class QImage;

class ImageGraphics : public PainterGraphics {
public:
    explicit ImageGraphics(QImage& image);
    ImageGraphics(QImage& image, int32_t areaLeft, int32_t areaTop, int32_t areaWidth, int32_t areaHeight);
    ~ImageGraphics() override;

    int32_t Width() const override;
    int32_t Height() const override;

    // What ClearRect leaves, as 0xAARRGGBB; transparent unless set.
    void setClearColor(uint32_t argb) { clearColor_ = argb; }

protected:
    QPainter* beginPainting() override;
    void endPainting(QPainter* painter) override;
    uint32_t clearColor() const override { return clearColor_; }

private:
    QImage& image_;
    bool hasArea_ = false;
    int32_t areaLeft_ = 0, areaTop_ = 0, areaWidth_ = 0, areaHeight_ = 0;
    uint32_t clearColor_ = 0x00000000;
};
