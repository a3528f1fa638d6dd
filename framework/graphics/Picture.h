#pragma once
// An off-screen picture with its own Graphics, an optional grey mask and the
// old framework's Transparent flag. Pictures are shared data objects, always
// held through std::shared_ptr and released with their last reference.
//
// Opacity when a picture is drawn: the image's own alpha, then, when
// Transparent is 1, pure white pixels become clear, then, once Mask() has been
// asked for, the mask's grey scales it (black opaque, white clear).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class Graphics;
class QImage;
class QRect;

class Picture {
public:
    // Use NewPicture or the readers below; the constructor is public only for
    // std::make_shared. The image must not be null.
    explicit Picture(const QImage& image, int32_t depth = 32);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int32_t Width() const;
    int32_t Height() const;
    int32_t Depth() const { return depth_; }

    // 1 makes pure white clear when the picture is drawn; 0 keeps it.
    int32_t Transparent = 0;

    // The picture's own drawing surface, owned by the picture.
    ::Graphics* Graphics();

    // The mask, made on first use: same size, black (fully opaque). Its grey
    // level is the opposite of the picture's opacity.
    std::shared_ptr<Picture> Mask();
    bool hasMask() const { return mask_ != nullptr; }

    // Reads JPEG, PNG, GIF, TIFF or BMP, judged by content, not by name.
    // Malformed, truncated, empty or oversized input gives nullptr. A picture
    // of more than 16 megapixels (4096 x 4096) is decoded scaled down to that
    // many pixels, its aspect kept: more than any screen or page shows.
    static std::shared_ptr<Picture> fromFile(const std::string& path);
    static std::shared_ptr<Picture> fromData(std::string_view bytes);
    // The size fromData gives for these bytes, read from the header alone
    // (nothing is decoded); false for bytes it plainly refuses or whose
    // header tells no size.
    static bool dataSize(std::string_view bytes, int32_t& width, int32_t& height);
    // As fromData, but decoded straight at width x height when that is
    // smaller than what fromData gives (never larger): a photo drawn small
    // costs only the pixels drawn. Callers keep the aspect in the size asked.
    static std::shared_ptr<Picture> fromData(std::string_view bytes, int32_t width, int32_t height);

    // JPEG bytes at quality 0..100 (clamped); clear areas become white.
    // Empty when encoding fails.
    std::string toJPEG(int quality = 80) const;

    // Framework-internal.
    // A picture of a toolkit image (a dropped or pasted image); nullptr for a
    // null or oversized image.
    static std::shared_ptr<Picture> fromImage(const QImage& image);
    QImage& image();
    const QImage& image() const;
    // The picture as it is drawn: ARGB with the mask and Transparent applied.
    QImage composedImage() const;
    // Only the given part of it (clipped to the picture).
    QImage composedImage(const QRect& area) const;
    // The mask's image, or nullptr while the picture has no mask.
    const QImage* maskImage() const;

    // Tests: make every following NewPicture fail, as when memory runs out.
    static void failAllocationsForTesting(bool fail);

private:
    std::unique_ptr<QImage> image_;
    int32_t depth_;
    std::unique_ptr<::Graphics> graphics_;
    std::shared_ptr<Picture> mask_;
};

// A white picture of w x h pixels. nullptr when the size is not positive, the
// size is absurd (more than 32000 pixels a side or 2^28 pixels in all), the
// depth is not one of 1, 2, 4, 8, 16, 24, 32, or memory runs out.
std::shared_ptr<Picture> NewPicture(int32_t width, int32_t height, int32_t depth = 32);
