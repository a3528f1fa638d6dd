// Drawing the recipe photo into its canvas, scaled down to fit and centred.
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "recipe_window/Main.h"
#include "recipe_window/PhotoScaling.h"

namespace {

// Blanks the canvas in the window's colour, then draws the photo if any. The
// place comes from the whole picture's size; a stored photo is drawn from a
// copy decoded at just that size.
// The blanking rectangle is as large as the window; the canvas clips it.
void drawScaled(::Graphics& g, const ShownPhoto& photo, const Window& window, int32_t canvasWidth,
                int32_t canvasHeight) {
    g.ForeColor = window.BackColor;
    g.FillRect(0, 0, window.Width - 1, window.Height - 1);
    const int32_t pw = photo.fullWidth(), ph = photo.fullHeight();
    if (!photo || pw <= 0 || ph <= 0) return;  // no pixels counts as no picture
    const std::shared_ptr<Picture> picture = photo.forCanvas(canvasWidth, canvasHeight);
    if (!picture) return;
    const PhotoPlacement at = placePhoto(pw, ph, canvasWidth, canvasHeight);
    g.DrawPicture(picture, at.x, at.y, at.width, at.height, 0, 0, picture->Width(), picture->Height());
}

}  // namespace

void MainWindow::drawNScale(const ShownPhoto& photo, DoubleClickCanvas& canvas) {
    drawScaled(canvas.Graphics(), photo, *this, canvas.Width, canvas.Height);
}

// A real repaint of the canvas (shown, uncovered, resized) draws the photo
// again from the picture in memory.
void MainWindow::recipePhoto_Paint(::Graphics& g) { drawScaled(g, myPic, *this, recipePhoto->Width, recipePhoto->Height); }
