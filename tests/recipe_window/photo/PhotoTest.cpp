// The recipe photo as the user meets it: drops of pictures and picture
// files stored as JPEG, the contextual clear, the drag out, failed writes.
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/graphics/RecordingGraphics.h"
#include "framework/ui/ImplicitWindows.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/SqlStatementFault.h"
#include "recipe_window/PhotoScaling.h"
#include "tests/support/TestFiles.h"
#include "utility_windows/photo/PictureWindow.h"

using ::testing::ElementsAre;

namespace {

const std::vector<TestRecipe> kTwo = {recipe("Apple Tart"), recipe("Bread")};

// The classic 1 x 1 GIF.
const std::string kTinyGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00"
                           ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                           43);

std::shared_ptr<Picture> redPicture(int32_t width, int32_t height) {
    std::shared_ptr<Picture> p = NewPicture(width, height);
    p->Graphics()->ForeColor = 0xFF0000;
    p->Graphics()->FillRect(0, 0, width, height);
    return p;
}

// Colours that change from pixel to pixel, so a JPEG of it decoded and
// encoded again comes out different.
std::shared_ptr<Picture> busyPicture(int32_t width, int32_t height) {
    std::shared_ptr<Picture> p = NewPicture(width, height);
    for (int32_t x = 0; x < width; ++x) {
        const uint32_t u = static_cast<uint32_t>(x);  // wraps, as the colour wants
        p->Graphics()->ForeColor = ((u * 0x3B7) ^ (u * u * 0x1F00) ^ (u << 17)) & 0xFFFFFF;
        p->Graphics()->DrawLine(x, (x * 7) % height, x, height - 1);
    }
    return p;
}

DropData pictureDrop(std::shared_ptr<Picture> picture) {
    DropData d;
    d.picture = std::move(picture);
    return d;
}

class PhotoTest : public MainWindowTest {
public:  // for the shared steps below
    using MainWindowTest::start;
    using MainWindowTest::ui;
    using MainWindowTest::w;
    DoubleClickCanvas& photo() { return *w().recipePhoto; }

    std::string writeFile(const std::string& name, const std::string& bytes) {
        const std::string path = ui.folder("Desktop") + "/" + name;
        writeBytes(path, bytes);
        return path;
    }
    DropData fileDrop(const std::string& path) {
        DropData d;
        d.files.push_back(path);
        return d;
    }
    // The stored photo's first bytes in hex, "NULL" when there is none.
    std::string storedStart(int rowID = 1) {
        return value("select case when recipePhoto is null then 'NULL' else hex(substr(recipePhoto, 1, 3)) end "
                     "from recipes where rowID = " +
                     std::to_string(rowID));
    }
    std::string storedHex(int rowID = 1) {
        return value("select hex(recipePhoto) from recipes where rowID = " + std::to_string(rowID));
    }
    void showAgain() {
        w().recipeList->ListIndex = 1;
        w().recipeList->ListIndex = 0;
    }
};

const char* const kJpegStart = "FFD8FF";

}  // namespace

TEST_F(PhotoTest, ADroppedPictureIsStoredAsJpegAndComesBackWithTheRecipe) {
    start(kTwo);
    EXPECT_TRUE(ui.drop(photo(), pictureDrop(redPicture(64, 48))));
    EXPECT_EQ(storedStart(), kJpegStart);
    EXPECT_EQ(storedStart(2), "NULL") << "only the shown recipe";
    showAgain();
    ASSERT_TRUE(w().myPic);
    EXPECT_EQ(w().myPic->Width(), 64);
    EXPECT_EQ(w().myPic->Height(), 48);
}

TEST_F(PhotoTest, GifAndJpegFilesAreStoredAsJpeg) {
    start(kTwo);
    EXPECT_TRUE(ui.drop(photo(), fileDrop(writeFile("dot.gif", kTinyGif))));
    EXPECT_EQ(storedStart(), kJpegStart);
    ASSERT_TRUE(w().myPic);
    EXPECT_EQ(w().myPic->Width(), 1);

    w().recipeList->ListIndex = 1;
    EXPECT_TRUE(ui.drop(photo(), fileDrop(writeFile("tart.JPG", redPicture(30, 20)->toJPEG()))));
    EXPECT_EQ(storedStart(2), kJpegStart);
    EXPECT_EQ(w().myPic->Width(), 30);
}

TEST_F(PhotoTest, APictureAndAFileInOneItemUseThePicture) {
    start(kTwo);
    DropData both = pictureDrop(redPicture(12, 10));
    both.files.push_back(writeFile("dot.gif", kTinyGif));
    ui.drop(photo(), both);
    showAgain();
    ASSERT_TRUE(w().myPic);
    EXPECT_EQ(w().myPic->Width(), 12);
}

TEST_F(PhotoTest, AnUnreadableFileLeavesThePhotoAsItWas) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(redPicture(20, 20)));
    const std::string before = storedHex();
    ui.drop(photo(), fileDrop(writeFile("broken.jpg", "not a picture at all")));
    EXPECT_EQ(storedHex(), before);
    ASSERT_TRUE(w().myPic);
    EXPECT_EQ(w().myPic->Width(), 20);
}

TEST_F(PhotoTest, BmpAndPictFilesAreRefused) {
    start(kTwo);
    EXPECT_FALSE(ui.drop(photo(), fileDrop(writeFile("dot.bmp", "BM"))));
    EXPECT_EQ(storedStart(), "NULL");
}

TEST_F(PhotoTest, WithNoRecipeShownThePhotoTakesNoDropAndOffersNoClear) {
    start(kTwo);
    search("no such recipe");
    EXPECT_FALSE(ui.drop(photo(), pictureDrop(redPicture(20, 20))));
    EXPECT_FALSE(w().myPic);
    ui.click(photo(), 5, 5, UiDriver::None, true);  // an unexpected pop-up fails the test
    EXPECT_EQ(value("select count(*) from recipes where recipePhoto is not null"), "0");
}

TEST_F(PhotoTest, TheContextualMenuClearsThePhoto) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(redPicture(20, 20)));
    ui.dialogs().expectPopUp(std::string("Clear Recipe Picture"));
    ui.click(photo(), 5, 5, UiDriver::None, true);
    EXPECT_THAT(ui.dialogs().calls().back().captions, ElementsAre("Clear Recipe Picture"));
    EXPECT_EQ(storedStart(), "NULL");
    EXPECT_FALSE(w().myPic);
    // Nothing to open at full size now, and clicks without moving drag nothing.
    ui.doubleClick(photo(), 5, 5);
    EXPECT_FALSE(ImplicitWindows::find(typeid(PictureWindow)));
}

TEST_F(PhotoTest, ADismissedMenuLeavesThePhotoAndLetsNoMouseUpThrough) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(redPicture(20, 20)));
    const int32_t lastMouseUp = photo().lastClickTicks;
    ui.dialogs().expectPopUp(std::nullopt);
    ui.dialogs().expectPopUp(std::nullopt);
    ui.click(photo(), 5, 5, UiDriver::None, true);
    ui.click(photo(), 5, 5, UiDriver::None, true);
    EXPECT_EQ(photo().lastClickTicks, lastMouseUp) << "no mouse-up, so no double click";
    EXPECT_EQ(storedStart(), kJpegStart);
}

TEST_F(PhotoTest, APressMovedPastTheDragDistanceDragsThePhotoOutAndAClickDoesNot) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(redPicture(20, 20)));
    const size_t before = ui.dialogs().calls().size();
    ui.click(photo(), 5, 5);
    ui.press(photo(), 5, 5);
    ui.drag(photo(), 6, 6);  // within the drag distance: still a press
    ui.release(photo(), 6, 6);
    EXPECT_EQ(ui.dialogs().calls().size(), before) << "no drag without moving the drag distance";

    ui.dialogs().expectDrag(DragResult::Copy);  // taken by another program
    ui.press(photo(), 5, 5);
    ui.drag(photo(), -3000, 5);  // out of the window
    ui.release(photo(), -3000, 5);
    ASSERT_EQ(ui.dialogs().calls().size(), before + 1);
    EXPECT_EQ(ui.dialogs().calls().back().kind, UiCallKind::Drag);
    EXPECT_FALSE(ui.dialogs().calls().back().droppedInProgram);
    EXPECT_EQ(storedStart(), kJpegStart) << "dragging out keeps the photo";
}

TEST_F(PhotoTest, ThePhotoDroppedBackOnItselfIsNotStoredAgain) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(busyPicture(40, 30)));
    showAgain();  // the photo shown is now the one read back
    const std::string stored = storedHex();
    ui.dialogs().expectDrag();
    ui.press(photo(), 5, 5);
    ui.drag(photo(), 35, 25);  // past the drag distance, still over the photo
    ui.release(photo(), 35, 25);
    ASSERT_EQ(ui.dialogs().calls().back().kind, UiCallKind::Drag);
    EXPECT_TRUE(ui.dialogs().calls().back().droppedInProgram);
    EXPECT_EQ(ui.dialogs().calls().back().dragResult, DragResult::None) << "the photo refuses its own drag";
    EXPECT_EQ(storedHex(), stored);
}

// The stored JPEG is not decoded and encoded again each time the user
// clicks the photo and leaves it, which would wear it down.
TEST_F(PhotoTest, LeavingThePhotoAreaDoesNotRewriteAStoredPhoto) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(busyPicture(40, 30)));
    showAgain();  // the photo shown is now the one read back
    const std::string stored = storedHex();
    for (int i = 0; i < 3; ++i) {
        ui.setFocus(photo());
        ui.setFocus(*w().recipeList);
    }
    EXPECT_EQ(storedHex(), stored);
}

TEST_F(PhotoTest, AFailedDropSaysError500AndIsWrittenWhenThePhotoLosesTheFocus) {
    SqlStatementFault fault("where _rowid_ = ?", 1);
    start(kTwo);
    ui.dialogs().expectMsgBox("Error 500: There was an error updating the picture in the database.");
    ui.drop(photo(), pictureDrop(redPicture(40, 30)));
    EXPECT_TRUE(fault.fired());
    EXPECT_EQ(storedStart(), "NULL");
    ASSERT_TRUE(w().myPic) << "the dropped photo stays shown";

    ui.setFocus(photo());
    ui.setFocus(*w().recipeList);
    EXPECT_EQ(storedStart(), kJpegStart);
}

// A clear whose step `failing` fails says Error 501 and is kept for the next
// focus loss, not dropped as though it had worked. The second statement
// matching fails: the drop's own works, the clear's does not.
void clearFailsAndIsWrittenLater(PhotoTest& t, const char* failing) {
    SqlStatementFault fault(failing, 2);
    t.start(kTwo);
    t.ui.drop(t.photo(), pictureDrop(redPicture(40, 30)));
    t.ui.dialogs().expectPopUp(std::string("Clear Recipe Picture"));
    t.ui.dialogs().expectMsgBox("Error 501: There was an error updating the picture in the database.");
    t.ui.click(t.photo(), 5, 5, UiDriver::None, true);
    EXPECT_TRUE(fault.fired());
    EXPECT_EQ(t.storedStart(), kJpegStart);
    EXPECT_FALSE(t.w().myPic);
    t.ui.setFocus(t.photo());
    t.ui.setFocus(*t.w().recipeList);
    EXPECT_EQ(t.storedStart(), "NULL");
}

TEST_F(PhotoTest, AFailedClearSaysError501AndIsWrittenWhenThePhotoLosesTheFocus) {
    clearFailsAndIsWrittenLater(*this, "where _rowid_ = ?");
}

// Another program holding the whole database makes even the read of the
// photo's row fail.
TEST_F(PhotoTest, AClearWhoseRowCannotBeReadSaysError501AndIsWrittenLater) {
    clearFailsAndIsWrittenLater(*this, "select recipePhoto");
}

TEST_F(PhotoTest, AFailedWriteIsOneBoxAndItsRetryBeforeAnotherRecipeFailingAgainKeepsTheRecipe) {
    start(kTwo);
    execute({"create trigger photoLocked before update of recipePhoto on recipes "
             "begin select raise(abort, 'photo locked'); end"});
    ui.dialogs().expectMsgBox("Error 500: There was an error updating the picture in the database.");
    ui.drop(photo(), pictureDrop(redPicture(40, 30)));
    EXPECT_EQ(ui.dialogs().messages().size(), 1u) << "one failure, one box";

    // Another recipe would replace the unsaved photo: it is tried first, and
    // as it fails again the click is answered (a click is a command) and the
    // recipe stays shown with its photo; a focus loss retries quietly.
    ui.advanceMicroseconds(500'000);
    ui.dialogs().expectMsgBox("Error 400 occurred while updating the recipe.");
    ui.clickCell(*w().recipeList, 1);
    EXPECT_EQ(ui.dialogs().messages().size(), 2u) << "the click said why it did nothing";
    ui.setFocus(photo());
    ui.setFocus(*w().recipeList);
    EXPECT_EQ(ui.dialogs().messages().size(), 2u);
    EXPECT_EQ(w().recRowID, 1);
    EXPECT_EQ(w().recipeList->ListIndex, 0);
    EXPECT_TRUE(w().myPic);

    execute({"drop trigger photoLocked"});
    ui.advanceMicroseconds(500'000);  // a later click, not the one just told of the failure
    ui.clickCell(*w().recipeList, 1);
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(storedStart(1), kJpegStart) << "written before the other recipe was shown";
}

TEST_F(PhotoTest, APhotoWhoseRecipeIsGoneSaysSoOnceAndLetsTheUserMoveOn) {
    SqlStatementFault fault("where _rowid_ = ?", 1);
    start(kTwo);
    ui.dialogs().expectMsgBox("Error 500: There was an error updating the picture in the database.");
    ui.drop(photo(), pictureDrop(redPicture(40, 30)));
    execute({"delete from recipes where rowID = 1"});  // gone behind the window's back
    ui.dialogs().expectMsgBox(
        "Error 303: Could not save the recipe's photo. The recipe is no longer in the database.");
    ui.setFocus(photo());
    ui.setFocus(*w().recipeList);
    ui.clickCell(*w().recipeList, 1);
    EXPECT_EQ(w().recRowID, 2);
    EXPECT_EQ(storedStart(2), "NULL");
}

TEST_F(PhotoTest, ADoubleClickOpensThePhotoAtItsSizeTitledWithTheNameShown) {
    start(kTwo);
    ui.drop(photo(), pictureDrop(redPicture(640, 480)));
    w().recipeName->Text = std::string("Apple Tart, unsaved");
    ui.doubleClick(photo(), 5, 5);
    PictureWindow& window = pictureWIndow();
    EXPECT_TRUE(window.isShown());
    EXPECT_EQ(window.Width.get(), 640);
    EXPECT_EQ(window.Height.get(), 480);
    EXPECT_EQ(window.Title.get(), "Apple Tart, unsaved");
}

TEST_F(PhotoTest, WithoutAPhotoADoubleClickOpensNothing) {
    start(kTwo);
    ui.doubleClick(photo(), 5, 5);
    EXPECT_FALSE(ImplicitWindows::find(typeid(PictureWindow)));
}

// A large stored photo is decoded only at the size the photo area draws it;
// the photo window still gets it whole, and the stored bytes stay as they were.
TEST_F(PhotoTest, AStoredPhotoIsDecodedAtItsDrawnSizeAndOpensWhole) {
    start(kTwo);
    ASSERT_NO_FATAL_FAILURE(runStatements(databasePath(), {{"update recipes set recipePhoto = ? where rowID = 1",
                                                            {Variant(busyPicture(3000, 2000)->toJPEG(80))}}}));
    const std::string stored = storedHex();
    showAgain();
    ASSERT_TRUE(w().myPic);
    const int32_t cw = photo().Width, ch = photo().Height;
    ASSERT_LT(cw, 3000);
    const PhotoPlacement at = placePhoto(3000, 2000, cw, ch);
    const std::shared_ptr<Picture>& drawn = w().myPic.drawnPicture();
    ASSERT_TRUE(drawn) << "shown without asking for the whole picture";
    EXPECT_EQ(drawn->Width(), at.width);
    EXPECT_EQ(drawn->Height(), at.height);

    // A paint draws that picture unscaled, where the whole one would go.
    RecordingGraphics g(cw, ch);
    photo().handlePaint(g);
    ASSERT_FALSE(g.calls().empty());
    const RecordedCall& draw = g.calls().back();
    EXPECT_EQ(draw.name, "DrawPicture");
    EXPECT_THAT(draw.args, ElementsAre(at.x, at.y, at.width, at.height, 0, 0, at.width, at.height));

    ui.doubleClick(photo(), cw / 2, ch / 2);
    PictureWindow& window = pictureWIndow();
    EXPECT_TRUE(window.isShown());
    // Sized to the photo as far as the driver's 1280 x 778 screen allows:
    // the frame (2 pixels a side offscreen) and the menu bar (19) stay on it.
    EXPECT_EQ(window.Width.get(), 1276);
    EXPECT_EQ(window.Height.get(), 755);
    ASSERT_TRUE(w().myPic.full());
    EXPECT_EQ(w().myPic->Width(), 3000);
    EXPECT_EQ(storedHex(), stored) << "showing never writes the photo";
}
