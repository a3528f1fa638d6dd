#include "framework/ui/controls/CanvasSurface.h"

#include <QPainter>

#include "framework/graphics/ImageGraphics.h"

// The Graphics handed out for drawing outside Paint: after each call the
// changed image has to reach the screen.
class CanvasGraphics : public ImageGraphics {
public:
    CanvasGraphics(QImage& image, CanvasSurface& surface) : ImageGraphics(image), surface_(surface) {}

protected:
    void endPainting(QPainter* painter) override {
        ImageGraphics::endPainting(painter);
        surface_.drewOutsidePaint();
    }

private:
    CanvasSurface& surface_;
};

CanvasSurface::CanvasSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

CanvasSurface::~CanvasSurface() = default;

Graphics& CanvasSurface::outsideGraphics() {
    if (!outside_) outside_ = std::make_unique<CanvasGraphics>(image_, *this);
    return *outside_;
}

void CanvasSurface::invalidate(bool erase) {
    needsPaint_ = true;
    pendingErase_ = pendingErase_ || erase;
    update();
}

void CanvasSurface::paintNow() {
    if (needsPaint_) renderIntoImage();
    if (isVisible()) {
        copyOnly_ = true;
        repaint();
    }
}

void CanvasSurface::setSurfaceSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (image_.width() == width && image_.height() == height && !image_.isNull()) return;
    QImage next(width, height, QImage::Format_ARGB32_Premultiplied);
    next.fill(Qt::transparent);
    if (!image_.isNull() && width > 0 && height > 0) {
        QPainter p(&next);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
    invalidate(eraseBackground);
}

void CanvasSurface::drewOutsidePaint() {
    if (painting_ || !isVisible()) return;
    copyOnly_ = true;
    update();
}

void CanvasSurface::renderIntoImage() {
    needsPaint_ = false;
    if (pendingErase_) image_.fill(Qt::transparent);
    pendingErase_ = false;
    if (!onPaint || image_.isNull()) return;
    painting_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{painting_};
    ImageGraphics g(image_);
    onPaint(g);
}

// Any repaint the canvas did not cause itself by drawing outside Paint is a
// real one (a Refresh through the control or its container, a resize, the
// window being shown): erase as EraseBackground says and raise Paint.
void CanvasSurface::paintEvent(QPaintEvent*) {
    if (!needsPaint_ && !copyOnly_) {
        needsPaint_ = true;
        pendingErase_ = eraseBackground;
    }
    copyOnly_ = false;
    if (needsPaint_) renderIntoImage();
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

