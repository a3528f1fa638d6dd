#pragma once
// A control the product draws itself. Drawing goes into a retained image
// (see CanvasSurface), both inside the Paint event and at any other time
// through Graphics(), the way the old framework allowed.
//
// Inside a Canvas subclass the name Graphics means the accessor; write the
// drawing class as ::Graphics (for example `void handlePaint(::Graphics& g)`).
#include <memory>

#include "framework/graphics/Graphics.h"
#include "framework/ui/RectControl.h"

class CanvasSurface;
class Picture;
class QImage;

class Canvas : public RectControl {
public:
    Canvas();
    ~Canvas() override;

    // Whether repaints the canvas did not ask for (being shown, resized)
    // clear the image before Paint.
    Property<bool> EraseBackground;
    // Drawn at the top left after erasing, before Paint.
    Property<std::shared_ptr<Picture>> Backdrop;

    // Draws into the canvas outside Paint; the drawing stays until the next
    // repaint. Pen and colour settings persist between uses.
    ::Graphics& Graphics();

    // A repaint later; `eraseBackground` clears the image before Paint.
    void Refresh(bool eraseBackground = true) override;
    void RefreshRect(int32_t x, int32_t y, int32_t width, int32_t height, bool eraseBackground = true) override;
    // Carries out a pending repaint now (Paint runs before this returns).
    void UpdateNow() override;

    Event<void(::Graphics& g)> Paint;
    virtual void handlePaint(::Graphics& g) { Paint(g); }

    // Framework-internal: the retained image, for tests and drag images.
    const QImage& image() const;

protected:
    void geometryApplied() override;
    // Paint may read Active(): the desktop redraws a window's canvases when
    // the window becomes active or inactive.
    void windowActivationChanged() override { Refresh(EraseBackground.get()); }

private:
    void paintFromSurface(::Graphics& g);

    CanvasSurface* surface_;
};
