#pragma once
// Framework-internal: the widget of a Canvas, with a retained ARGB image.
//
// The old framework let code draw into a canvas at any time, inside its Paint
// event or outside it (clearing a photo, drawing a drag handle). Qt draws
// only inside paintEvent, so the canvas keeps its own image: Paint and the
// Graphics property both draw into it, and paintEvent only copies it to the
// screen.
//  - A real repaint (Refresh, a resize, the window being shown, a repaint of
//    the container) erases the image if asked to, raises Paint, then copies.
//  - Drawing outside Paint lands in the image and asks Qt for a copy only, so
//    it stays until the next real repaint.
// Tests read the pixels straight from the image.
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

class Graphics;
class ImageGraphics;

class CanvasSurface : public QWidget {
    Q_OBJECT
public:
    explicit CanvasSurface(QWidget* parent = nullptr);
    ~CanvasSurface() override;

    // Raised with a fresh Graphics on the image for every real repaint.
    std::function<void(Graphics&)> onPaint;

    // Drawing outside Paint; the same object every time, so its pen and
    // colour settings persist between uses like the old framework's.
    Graphics& outsideGraphics();

    // Whether repaints the canvas did not ask for itself (first show,
    // resize) clear the image first.
    bool eraseBackground = true;

    // Asks for a real repaint; `erase` clears the image before Paint.
    void invalidate(bool erase);
    // Carries out a pending real repaint into the image at once (even while
    // the canvas is hidden), then has Qt copy it to the screen.
    void paintNow();

    // The logical size; the image follows it (negative sizes give an empty image).
    void setSurfaceSize(int width, int height);

    const QImage& image() const { return image_; }
    QImage& image() { return image_; }
    bool repaintPending() const { return needsPaint_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CanvasGraphics;
    void drewOutsidePaint();
    void renderIntoImage();

    QImage image_;
    std::unique_ptr<ImageGraphics> outside_;
    bool needsPaint_ = true;
    bool pendingErase_ = true;
    bool painting_ = false;
    // The next paint event only has to show outside drawing.
    bool copyOnly_ = false;
};
