#include "recipe_window/ShownPhoto.h"

#include "framework/graphics/Picture.h"
#include "recipe_window/PhotoScaling.h"

ShownPhoto& ShownPhoto::operator=(std::shared_ptr<Picture> picture) {
    reset();
    hasPhoto_ = picture != nullptr;
    full_ = std::move(picture);
    return *this;
}

void ShownPhoto::setStored(std::string bytes) {
    reset();
    if (!Picture::dataSize(bytes, width_, height_)) return;
    stored_ = std::move(bytes);
    hasPhoto_ = true;
}

void ShownPhoto::reset() {
    hasPhoto_ = false;
    stored_.clear();
    width_ = height_ = 0;
    full_.reset();
    drawn_.reset();
    drawnForWidth_ = drawnForHeight_ = 0;
}

std::shared_ptr<Picture> ShownPhoto::full() const {
    if (!full_ && hasPhoto_) full_ = Picture::fromData(stored_);
    return full_;
}

int32_t ShownPhoto::fullWidth() const { return full_ ? full_->Width() : width_; }
int32_t ShownPhoto::fullHeight() const { return full_ ? full_->Height() : height_; }

std::shared_ptr<Picture> ShownPhoto::forCanvas(int32_t canvasWidth, int32_t canvasHeight) const {
    if (full_ || !hasPhoto_) return full_;
    if (!drawn_ || drawnForWidth_ != canvasWidth || drawnForHeight_ != canvasHeight) {
        // Decoded at the size the whole picture would be drawn at, so drawing
        // it there scales nothing.
        const PhotoPlacement at = placePhoto(width_, height_, canvasWidth, canvasHeight);
        drawn_ = at.width > 0 && at.height > 0 ? Picture::fromData(stored_, at.width, at.height) : nullptr;
        drawnForWidth_ = canvasWidth;
        drawnForHeight_ = canvasHeight;
    }
    return drawn_;
}

bool operator==(const ShownPhoto& photo, const std::shared_ptr<Picture>& picture) {
    if (!photo.hasPhoto_ || !picture) return !photo.hasPhoto_ && !picture;
    return photo.full_ == picture;
}
