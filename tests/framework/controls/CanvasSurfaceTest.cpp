// The retained canvas image: Paint and outside drawing share one image, and
// outside drawing survives until the next real repaint.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "framework/graphics/Graphics.h"
#include "framework/ui/controls/CanvasSurface.h"

namespace {
QRgb pixel(const CanvasSurface& s, int x, int y) { return s.image().pixel(x, y) & 0xFFFFFF; }
bool clear(const CanvasSurface& s, int x, int y) { return qAlpha(s.image().pixel(x, y)) == 0; }
}  // namespace

TEST(CanvasSurface, DrawingOutsidePaintStaysUntilTheNextRealRepaint) {
    CanvasSurface surface;
    surface.setSurfaceSize(20, 10);
    int paints = 0;
    surface.onPaint = [&](Graphics& g) {
        ++paints;
        g.ForeColor = 0x0000FF;
        g.FillRect(0, 0, 5, 5);
    };
    surface.paintNow();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(pixel(surface, 1, 1), 0x0000FFu);

    Graphics& g = surface.outsideGraphics();
    g.ForeColor = 0xFF0000;
    g.FillRect(10, 0, 5, 5);
    EXPECT_EQ(pixel(surface, 11, 1), 0xFF0000u) << "outside drawing reaches the image at once";
    surface.paintNow();
    EXPECT_EQ(paints, 1) << "outside drawing raises no Paint";
    EXPECT_EQ(pixel(surface, 11, 1), 0xFF0000u);
    EXPECT_EQ(&surface.outsideGraphics(), &g);
    EXPECT_EQ(g.ForeColor, 0xFF0000u) << "its settings persist";

    surface.invalidate(false);
    surface.paintNow();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(pixel(surface, 11, 1), 0xFF0000u) << "a repaint without erasing keeps it";

    surface.invalidate(true);
    surface.paintNow();
    EXPECT_EQ(paints, 3);
    EXPECT_TRUE(clear(surface, 11, 1)) << "an erasing repaint removes it";
    EXPECT_EQ(pixel(surface, 1, 1), 0x0000FFu);
}

TEST(CanvasSurface, ResizingRepaintsAndNegativeSizesGiveAnEmptyImage) {
    CanvasSurface surface;
    surface.setSurfaceSize(10, 10);
    int paints = 0;
    surface.onPaint = [&](Graphics& g) {
        ++paints;
        EXPECT_EQ(g.Width(), surface.image().width());
    };
    surface.paintNow();
    surface.setSurfaceSize(30, 12);
    EXPECT_TRUE(surface.repaintPending());
    surface.paintNow();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(surface.image().size(), QSize(30, 12));

    surface.setSurfaceSize(-5, 12);
    EXPECT_EQ(surface.image().width(), 0);
    surface.outsideGraphics().FillRect(0, 0, 5, 5);  // drawing on nothing is harmless
    surface.paintNow();
}

TEST(CanvasSurface, OnScreenOnlyItsOwnOutsideDrawingSkipsPaint) {
    CanvasSurface surface;
    surface.resize(20, 10);
    surface.setSurfaceSize(20, 10);
    int paints = 0;
    surface.onPaint = [&](Graphics&) { ++paints; };
    surface.show();
    QCoreApplication::processEvents();
    surface.repaint();
    int before = paints;
    EXPECT_GE(before, 1);

    surface.outsideGraphics().FillRect(0, 0, 3, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, before) << "showing outside drawing raises no Paint";
    EXPECT_FALSE(clear(surface, 1, 1));

    surface.update();  // what a Refresh through the base control or a container does
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, before + 1) << "a repaint someone else asked for is a real one";
    EXPECT_TRUE(clear(surface, 1, 1)) << "and erases, EraseBackground being on";
}
