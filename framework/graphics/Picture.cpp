#include "framework/graphics/Picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "framework/graphics/ImageGraphics.h"
#include "framework/graphics/JpegStructure.h"

namespace {

// Sizes beyond these are refused before any memory is asked for: no photo
// or screen is that large, and a hostile file header must not make us try.
constexpr int32_t maxSide = 32000;
constexpr int64_t maxPixels = int64_t(1) << 28;

constexpr qint64 maxFileBytes = qint64(512) << 20;

// Larger pictures are decoded scaled down to this many pixels (aspect kept):
// a 48-megapixel photo would pass the toolkit's allocation limit at full size
// and not show at all, and no screen or printed page shows more. Only JPEG
// decodes at a smaller scale; the other readers decode the whole picture
// first (GIF's ignores the size asked for), so a picture of theirs above
// this size is refused on its header: a 40-byte GIF can claim 29
// megapixels, and would be decoded that large before anything scaled it.
constexpr int64_t maxDecodedPixels = int64_t(4096) * 4096;

bool withinDecodedCap(const QSize& size) { return int64_t(size.width()) * size.height() <= maxDecodedPixels; }

// The size a picture of `size` is decoded at: itself, or scaled down to
// maxDecodedPixels.
QSize decodedSize(const QSize& size) {
    const int64_t pixels = int64_t(size.width()) * size.height();
    if (pixels <= maxDecodedPixels) return size;
    const double scale = std::sqrt(double(maxDecodedPixels) / double(pixels));
    return QSize(std::max(1, int(size.width() * scale)), std::max(1, int(size.height() * scale)));
}

bool failAllocations = false;

bool acceptableSize(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= maxSide && height <= maxSide && width * height <= maxPixels;
}

bool acceptableDepth(int32_t depth) {
    for (int32_t d : {1, 2, 4, 8, 16, 24, 32})
        if (d == depth) return true;
    return false;
}

constexpr uint32_t transparentArgb = 0x00000000;
constexpr uint32_t whiteArgb = 0xFFFFFFFF;

// Whether the reader's content is a picture of a format we take (a JPEG only when complete) whose
// header size, when it tells one, is acceptable.
bool acceptableContent(QImageReader& reader, std::string_view bytes) {
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format().toLower();
    static const QList<QByteArray> accepted = {"jpeg", "jpg", "png", "gif", "tiff", "tif", "bmp"};
    if (!accepted.contains(format)) return false;
    const bool jpeg = format == "jpeg" || format == "jpg";
    if (jpeg && !jpegIsComplete(bytes)) return false;
    const QSize size = reader.size();
    if (!size.isValid()) return true;
    return acceptableSize(size.width(), size.height()) && (jpeg || withinDecodedCap(size));
}

// Reads one image from the bytes (which the device reads), or a null image when the content is not a
// well-formed picture of a format we take. A valid `fit` caps the decoded size (never enlarging).
QImage readImage(QIODevice& device, std::string_view bytes, const QSize& fit = QSize()) {
    QImageReader reader(&device);
    if (!acceptableContent(reader, bytes)) return {};
    const QSize size = reader.size();
    if (size.isValid()) {
        QSize target = decodedSize(size);
        if (fit.isValid() && (fit.width() < target.width() || fit.height() < target.height()))
            target = target.boundedTo(fit);
        if (target != size) reader.setScaledSize(target);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) return {};
    // A header that told no size (or a smaller one than the picture) holds
    // no picture beyond the cap either.
    if (!acceptableSize(image.width(), image.height()) || !withinDecodedCap(image.size())) return {};
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

Picture::Picture(const QImage& image, int32_t depth)
    : image_(std::make_unique<QImage>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied))), depth_(depth) {}

Picture::~Picture() = default;

int32_t Picture::Width() const { return image_->width(); }
int32_t Picture::Height() const { return image_->height(); }

QImage& Picture::image() { return *image_; }
const QImage& Picture::image() const { return *image_; }

::Graphics* Picture::Graphics() {
    if (!graphics_) graphics_ = std::make_unique<ImageGraphics>(*image_);
    return graphics_.get();
}

std::shared_ptr<Picture> Picture::Mask() {
    if (!mask_) {
        QImage black(image_->size(), QImage::Format_ARGB32_Premultiplied);
        black.fill(Qt::black);
        mask_ = std::make_shared<Picture>(black, depth_);
        // A cleared mask is white: fully clear.
        auto* maskGraphics = static_cast<ImageGraphics*>(mask_->Graphics());
        maskGraphics->setClearColor(whiteArgb);
    }
    return mask_;
}

const QImage* Picture::maskImage() const { return mask_ ? &mask_->image() : nullptr; }

QImage Picture::composedImage() const { return composedImage(image_->rect()); }

QImage Picture::composedImage(const QRect& area) const {
    const QRect part = area.intersected(image_->rect());
    QImage out = image_->copy(part).convertToFormat(QImage::Format_ARGB32);
    const bool whiteIsClear = Transparent == 1;
    const QImage* mask = mask_ ? &mask_->image() : nullptr;
    if (!whiteIsClear && !mask) return out;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* maskRow = mask ? reinterpret_cast<const QRgb*>(mask->constScanLine(y + part.y())) : nullptr;
        for (int x = 0; x < out.width(); ++x) {
            QRgb& px = row[x];
            int alpha = qAlpha(px);
            if (whiteIsClear && (px & 0x00FFFFFF) == 0x00FFFFFF) alpha = 0;
            // The mask's grey is taken from its green channel; grey means r = g = b.
            if (maskRow) alpha = alpha * (255 - qGreen(maskRow[x + part.x()])) / 255;
            px = qRgba(qRed(px), qGreen(px), qBlue(px), alpha);
        }
    }
    return out;
}

std::shared_ptr<Picture> Picture::fromImage(const QImage& image) {
    if (image.isNull() || !acceptableSize(image.width(), image.height())) return nullptr;
    return std::make_shared<Picture>(image);
}

std::shared_ptr<Picture> Picture::fromFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    // Photos are small enough to read whole; a larger file is no photo.
    if (file.size() > maxFileBytes) return nullptr;
    const QByteArray contents = file.readAll();
    return fromData(std::string_view(contents.constData(), static_cast<size_t>(contents.size())));
}

std::shared_ptr<Picture> Picture::fromData(std::string_view bytes) {
    if (bytes.empty()) return nullptr;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return fromImage(readImage(buffer, bytes));
}

bool Picture::dataSize(std::string_view bytes, int32_t& width, int32_t& height) {
    if (bytes.empty()) return false;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!acceptableContent(reader, bytes)) return false;
    const QSize size = reader.size();
    if (!size.isValid()) return false;
    const QSize decoded = decodedSize(size);
    width = decoded.width();
    height = decoded.height();
    return true;
}

std::shared_ptr<Picture> Picture::fromData(std::string_view bytes, int32_t width, int32_t height) {
    if (bytes.empty() || width <= 0 || height <= 0) return nullptr;
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return fromImage(readImage(buffer, bytes, QSize(width, height)));
}

std::string Picture::toJPEG(int quality) const {
    // JPEG has no transparency: clear areas become white, as on paper.
    QImage flat(image_->size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, composedImage());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(std::clamp(quality, 0, 100));
    if (!writer.write(flat)) return {};
    return bytes.toStdString();
}

void Picture::failAllocationsForTesting(bool fail) { failAllocations = fail; }

std::shared_ptr<Picture> NewPicture(int32_t width, int32_t height, int32_t depth) {
    if (failAllocations || !acceptableSize(width, height) || !acceptableDepth(depth)) return nullptr;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return nullptr;  // out of memory
    image.fill(Qt::white);
    return std::make_shared<Picture>(image, depth);
}
