#include "framework/ui/controls/Canvas.h"

#include "framework/graphics/Picture.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/controls/CanvasSurface.h"

Canvas::Canvas() : EraseBackground(true), surface_(new CanvasSurface) {
    setWidget(surface_);
    surface_->setSurfaceSize(Width.get(), Height.get());
    surface_->onPaint = [this](::Graphics& g) { guarded([&] { paintFromSurface(g); }); };
    EraseBackground.onChange([this](const bool& erase) { surface_->eraseBackground = erase; });
    Backdrop.onChange([this](const std::shared_ptr<Picture>&) { Refresh(true); });
}

Canvas::~Canvas() = default;

::Graphics& Canvas::Graphics() { return surface_->outsideGraphics(); }

void Canvas::Refresh(bool eraseBackground) { surface_->invalidate(eraseBackground); }

// The whole canvas is repainted: Paint handlers draw everything anyway, and a
// partial erase would leave the rest of the image out of step with them.
void Canvas::RefreshRect(int32_t, int32_t, int32_t, int32_t, bool eraseBackground) {
    surface_->invalidate(eraseBackground);
}

void Canvas::UpdateNow() { surface_->paintNow(); }

const QImage& Canvas::image() const { return surface_->image(); }

void Canvas::geometryApplied() { surface_->setSurfaceSize(Width.get(), Height.get()); }

void Canvas::paintFromSurface(::Graphics& g) {
    if (auto backdrop = Backdrop.get()) g.DrawPicture(backdrop, 0, 0);
    handlePaint(g);
}
