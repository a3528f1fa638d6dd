#pragma once
// The shown recipe's photo. A photo read from the database is kept as its
// stored bytes and decoded only as far as it is needed: at the size the photo
// area draws it, and at full size only when something asks for the whole
// picture (the photo window, printing, a drag out). A photo given as a picture
// (dropped or pasted) is simply held. Reads like the picture it stands for.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class Picture;

class ShownPhoto {
public:
    ShownPhoto() = default;
    ShownPhoto(std::shared_ptr<Picture> picture) { *this = std::move(picture); }
    ShownPhoto& operator=(std::shared_ptr<Picture> picture);

    // Holds stored bytes; bytes that are no readable picture (as far as their
    // header tells) hold no photo, as an unreadable photo always did.
    void setStored(std::string bytes);
    void reset();

    // The whole picture, decoded on the first ask; nullptr when none.
    std::shared_ptr<Picture> full() const;
    operator std::shared_ptr<Picture>() const { return full(); }
    Picture* operator->() const { return full().get(); }
    explicit operator bool() const { return hasPhoto_; }
    // The whole picture's size, known without decoding it; 0 when none.
    int32_t fullWidth() const;
    int32_t fullHeight() const;

    // The picture to draw into a canvas of that size: the whole picture when
    // it is in memory anyway, else the stored bytes decoded at the size they
    // are drawn at (kept while the canvas keeps its size).
    std::shared_ptr<Picture> forCanvas(int32_t canvasWidth, int32_t canvasHeight) const;
    // The picture last decoded for a canvas; nullptr when none was.
    const std::shared_ptr<Picture>& drawnPicture() const { return drawn_; }

    friend bool operator==(const ShownPhoto& photo, std::nullptr_t) { return !photo.hasPhoto_; }
    friend bool operator==(const ShownPhoto& photo, const std::shared_ptr<Picture>& picture);

private:
    bool hasPhoto_ = false;
    std::string stored_;  // empty when the photo was given as a picture
    int32_t width_ = 0, height_ = 0;  // the full picture's size
    mutable std::shared_ptr<Picture> full_;
    mutable std::shared_ptr<Picture> drawn_;
    mutable int32_t drawnForWidth_ = 0, drawnForHeight_ = 0;
};
