#pragma once
// Framework-internal: a picture as a print job puts it on the device. A
// photo drawn into a small box once went into the file whole, on every page:
// an 8-page recipe with a 12-megapixel photo made a 40 MB PDF. Here the
// picture is scaled down to the device pixels of the box it fills (never
// up: that adds nothing), and the same image serves again while the same
// picture fills a box of the same size, so a PDF embeds it once.
#include <QImage>
#include <QRect>
#include <QSize>

class Picture;

class DeviceScaledPicture {
public:
    // The part `source` of the picture as it is drawn (mask and clear white
    // applied), at no more than `pixels`.
    const QImage& imageFor(const Picture& picture, const QRect& source, const QSize& pixels);

private:
    struct Key {
        qint64 image = 0, mask = 0;  // the pixels' identities, new whenever they change
        int transparent = 0;
        QRect source;
        QSize pixels;
        bool operator==(const Key&) const = default;
    };
    Key key_;
    QImage image_;
};
