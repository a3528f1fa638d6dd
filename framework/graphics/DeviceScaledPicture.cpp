#include "framework/graphics/DeviceScaledPicture.h"

#include "framework/graphics/Picture.h"

const QImage& DeviceScaledPicture::imageFor(const Picture& picture, const QRect& source, const QSize& pixels) {
    const QImage* mask = picture.maskImage();
    const Key key{picture.image().cacheKey(), mask ? mask->cacheKey() : 0, picture.Transparent, source, pixels};
    if (image_.isNull() || !(key == key_)) {
        image_ = picture.composedImage(source);
        const QSize smaller = pixels.boundedTo(image_.size()).expandedTo(QSize(1, 1));
        if (smaller != image_.size()) image_ = image_.scaled(smaller, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        key_ = key;
    }
    return image_;
}
