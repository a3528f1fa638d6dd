#include "tests/support/PicturePixels.h"

#include <QImage>

#include "framework/graphics/Picture.h"

uint32_t pictureRgbAt(const Picture& picture, int32_t x, int32_t y) {
    return picture.image().pixel(x, y) & 0xFFFFFF;
}
