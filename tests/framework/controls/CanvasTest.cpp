// A Canvas on a window: Paint and outside drawing share the retained image,
// Refresh repaints through Paint, and a subclass can take Paint.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/ContainerControl.h"
#include "tests/framework/controls/ControlTestSupport.h"

namespace {
QRgb rgbAt(const Canvas& c, int x, int y) { return c.image().pixel(x, y) & 0xFFFFFF; }
bool clearAt(const Canvas& c, int x, int y) { return qAlpha(c.image().pixel(x, y)) == 0; }

// Takes Paint itself, like the star rating does.
class Swatch : public Canvas {
public:
    Color colour = 0x00FF00;
    void handlePaint(::Graphics& g) override {
        g.ForeColor = colour;
        g.FillRect(0, 0, g.Width(), g.Height());
    }
};
}  // namespace

TEST(Canvas, OutsideDrawingSurvivesUntilTheNextRealRepaint) {
    TestWindow window;
    window.finishBuilding();
    auto* photo = window.add<Canvas>("recipePhoto");
    place(*photo, 10, 10, 40, 30);
    int paints = 0;
    photo->Paint = [&](::Graphics& g) {
        ++paints;
        g.ForeColor = 0x0000FF;
        g.FillRect(0, 0, 10, 10);
    };
    window.Show();
    QCoreApplication::processEvents();
    photo->UpdateNow();
    EXPECT_EQ(photo->image().size(), QSize(40, 30));
    int afterShow = paints;
    EXPECT_GE(afterShow, 1);

    // Clearing the photo area outside Paint, as the editors' reset does.
    photo->Graphics().ForeColor = 0xFFFFFF;
    photo->Graphics().FillRect(0, 0, 400 - 1, 300 - 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, afterShow);
    EXPECT_EQ(rgbAt(*photo, 5, 5), 0xFFFFFFu);
    EXPECT_EQ(rgbAt(*photo, 39, 29), 0xFFFFFFu) << "clipped to the canvas";

    photo->Refresh(true);
    photo->UpdateNow();
    EXPECT_EQ(paints, afterShow + 1);
    EXPECT_EQ(rgbAt(*photo, 5, 5), 0x0000FFu);
    EXPECT_TRUE(clearAt(*photo, 20, 20)) << "the erasing repaint removed the outside drawing";
}

TEST(Canvas, SubclassTakesPaintAndResizingRepaints) {
    TestWindow window;
    window.finishBuilding();
    auto* swatch = window.add<Swatch>("swatch");
    swatch->Width = 20;
    swatch->Height = 10;
    int windowPaints = 0;
    swatch->Paint = [&](::Graphics&) { ++windowPaints; };
    swatch->UpdateNow();
    EXPECT_EQ(rgbAt(*swatch, 19, 9), 0x00FF00u);
    EXPECT_EQ(windowPaints, 0) << "the subclass took Paint";

    swatch->Width = 30;
    swatch->colour = 0xFF0000;
    swatch->UpdateNow();
    EXPECT_EQ(swatch->image().width(), 30);
    EXPECT_EQ(rgbAt(*swatch, 29, 0), 0xFF0000u);
}

TEST(Canvas, MouseDownTrueBringsTheMouseUp) {
    TestWindow window;
    window.finishBuilding();
    auto* canvas = window.add<Canvas>("canvas");
    canvas->Width = 50;
    canvas->Height = 50;
    window.Show();
    std::string journal;
    bool claim = false;
    canvas->MouseDown = [&](int32_t x, int32_t y) {
        journal += "down " + std::to_string(x) + "," + std::to_string(y) + ";";
        return claim;
    };
    canvas->MouseUp = [&](int32_t, int32_t) { journal += "up;"; };
    sendClick(canvas->widget(), QPoint(3, 4));
    claim = true;
    sendClick(canvas->widget(), QPoint(5, 6));
    EXPECT_EQ(journal, "down 3,4;down 5,6;up;");
}

namespace {
class PillBox : public ContainerControl {
public:
    Canvas* pill = nullptr;

protected:
    void CreateControls() override {
        pill = add<Canvas>("BgCanvas");
        pill->Width = 40;
        pill->Height = 20;
    }
};
}  // namespace

TEST(Canvas, ARefreshOfItsContainerRepaintsItThroughPaint) {
    TestWindow window;
    window.finishBuilding();
    auto* box = window.add<PillBox>("search");
    box->Width = 100;
    box->Height = 30;
    window.Show();
    QCoreApplication::processEvents();
    int paints = 0;
    box->pill->Paint = [&](::Graphics&) { ++paints; };
    box->pill->Graphics().FillRect(0, 0, 5, 5);
    box->RefreshRect(0, 0, box->Width, box->Height, false);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(clearAt(*box->pill, 1, 1)) << "no erase asked for";
    box->RefreshRect(0, 0, box->Width, box->Height, true);
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 2);
    EXPECT_TRUE(clearAt(*box->pill, 1, 1));
    box->RefreshRect(60, 0, 10, 10, true);  // beside the pill
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 2);
}

TEST(Canvas, AWindowsRefreshRepaintsEveryCanvasEmbeddedOrNot) {
    TestWindow window;
    window.finishBuilding();
    auto* box = window.add<PillBox>("search");
    place(*box, 0, 0, 100, 30);
    auto* photo = window.add<Canvas>("recipePhoto");
    place(*photo, 10, 50, 40, 30);
    window.Show();
    QCoreApplication::processEvents();
    int pillPaints = 0, photoPaints = 0;
    box->pill->Paint = [&](::Graphics&) { ++pillPaints; };
    photo->Paint = [&](::Graphics&) { ++photoPaints; };
    photo->Graphics().FillRect(0, 0, 5, 5);  // left over from drawing outside Paint

    window.Refresh(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(pillPaints, 1);
    EXPECT_EQ(photoPaints, 1);
    EXPECT_FALSE(clearAt(*photo, 1, 1)) << "no erase asked for";

    window.Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(pillPaints, 2);
    EXPECT_EQ(photoPaints, 2);
    EXPECT_TRUE(clearAt(*photo, 1, 1));
}
