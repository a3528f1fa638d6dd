// The photo window: sized by the main window to the photo, drawing the main
// window's current photo at its natural size, closed by File > Close.
#include <gtest/gtest.h>

#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/RecordingGraphics.h"
#include "recipe_window/Main.h"
#include "tests/utility_windows/StartedLarderwise.h"
#include "utility_windows/photo/PictureWindow.h"

namespace {

class PhotoWindow : public StartedLarderwise {
protected:
    // What the main window does on a double-click of the photo.
    PictureWindow& openFor(const std::shared_ptr<Picture>& photo, const std::string& name) {
        Main().myPic = photo;
        PictureWindow& window = pictureWIndow();
        window.Width = photo->Width();
        window.Height = photo->Height();
        window.Title = name;
        window.Show();
        ui.settle();
        return window;
    }

    // The drawing calls of one paint of the canvas, as the canvas raises it.
    static std::vector<std::string> paint(PictureWindow& window) {
        RecordingGraphics g(window.fsPicCanvas->Width.get(), window.fsPicCanvas->Height.get());
        window.fsPicCanvas->handlePaint(g);
        std::vector<std::string> calls;
        for (const RecordedCall& call : g.calls()) calls.push_back(call.toString());
        return calls;
    }
};

}  // namespace

TEST_F(PhotoWindow, ShowsThePhotoWholeInAWindowOfItsSize) {
    PictureWindow& window = openFor(NewPicture(800, 600), "Apple pie");
    EXPECT_TRUE(window.isShown());
    EXPECT_EQ(window.Title.get(), "Apple pie");
    EXPECT_EQ(window.fsPicCanvas->Width.get(), 800);
    EXPECT_EQ(window.fsPicCanvas->Height.get(), 600);
    EXPECT_EQ(paint(window), std::vector<std::string>{"DrawPicture 0,0,800,600,0,0,800,600 picture 800x600"});
}

TEST_F(PhotoWindow, ResizingKeepsThePhotoAtItsNaturalSizeInTheCorner) {
    PictureWindow& window = openFor(NewPicture(200, 150), "Soup");
    ui.resize(window, 500, 400);
    ui.settle();
    EXPECT_EQ(window.fsPicCanvas->Width.get(), 500);
    EXPECT_EQ(window.fsPicCanvas->Height.get(), 400);
    EXPECT_TRUE(window.fsPicCanvas->EraseBackground.get());  // the area beyond the photo is blank
    EXPECT_EQ(paint(window), std::vector<std::string>{"DrawPicture 0,0,200,150,0,0,200,150 picture 200x150"});
}

TEST_F(PhotoWindow, EachPaintShowsTheMainWindowsCurrentPhoto) {
    PictureWindow& window = openFor(NewPicture(320, 240), "Soup");
    Main().myPic = NewPicture(90, 60);  // another recipe chosen
    EXPECT_EQ(paint(window), std::vector<std::string>{"DrawPicture 0,0,90,60,0,0,90,60 picture 90x60"});
    EXPECT_EQ(window.Width.get(), 320);
    EXPECT_EQ(window.Title.get(), "Soup");
    Main().myPic.reset();  // a recipe without a photo
    EXPECT_TRUE(paint(window).empty());
}

TEST_F(PhotoWindow, ASecondOpeningReusesTheWindow) {
    PictureWindow* first = &openFor(NewPicture(100, 100), "Soup");
    PictureWindow& second = openFor(NewPicture(640, 480), "Bread");
    EXPECT_EQ(&second, first);
    EXPECT_EQ(second.Width.get(), 640);
    EXPECT_EQ(second.Title.get(), "Bread");
}

TEST_F(PhotoWindow, FileCloseClosesOnlyThePhotoWindow) {
    PictureWindow* window = &openFor(NewPicture(100, 100), "Soup");
    ui.activate(*window);
    EXPECT_FALSE(window->hasMenuHandler("EditCopy"));
    ui.chooseMenu("FileClose");
    EXPECT_TRUE(window->isClosing());
    ui.settle();
    EXPECT_FALSE(ui.loopEnded());
    EXPECT_TRUE(Main().isShown());
    // The next use builds a new one in its design state.
    PictureWindow& fresh = pictureWIndow();
    EXPECT_EQ(fresh.Title.get(), "Untitled");
    EXPECT_EQ(fresh.Width.get(), 300);
}
