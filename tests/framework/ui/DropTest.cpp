// Drops reach DragOver and DropObject only for what the target registered.
#include "framework/files/FileType.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Services.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/Window.h"
#include "tests/support/ProbeControl.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

#include <QApplication>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QWindow>
#include <QWidget>
#include <qpa/qplatformdrag.h>
#include <qpa/qwindowsysteminterface.h>
#include <gtest/gtest.h>

namespace {
struct PhotoWindow : Window {
    std::vector<std::string> log;
    ProbeControl* photo;
    PhotoWindow() {
        Width = 300;
        Height = 200;
        photo = add<ProbeControl>("photo");
        photo->Width = 100;
        photo->Height = 100;
        photo->AcceptPictureDrop();
        photo->AcceptFileDrop("image/jpeg");
        photo->AcceptFileDrop("image/png");
        photo->DropObject = [this](std::shared_ptr<DragItem> obj, int32_t) {
            std::string what = "photo:";
            if (obj->PictureAvailable()) what += "picture " + std::to_string(obj->Picture()->Width());
            else if (obj->FolderItemAvailable()) what += "file " + obj->filePath();
            log.push_back(what);
        };
        AcceptFileDrop("text");
        DropObject = [this](std::shared_ptr<DragItem> obj, int32_t) {
            std::string files;
            do files += obj->filePath() + ";";
            while (obj->NextItem());
            log.push_back("window:" + files);
        };
    }
};
}  // namespace

namespace {
// The file types the photo and the window name, as the application registers them.
struct RegisteredTypes {
    FileType jpeg, png, text;
    RegisteredTypes() {
        jpeg.setName("image/jpeg");
        jpeg.setExtensions("jpg;jpeg");
        png.setName("image/png");
        png.setExtensions("png");
        text.setName("text");
        text.setExtensions("txt;text");
        for (FileType* t : {&jpeg, &png, &text}) t->toString();
    }
};
}  // namespace

TEST(Drops, AControlTakesOnlyWhatItRegisteredFor) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    auto picture = Picture::fromImage(QImage(12, 7, QImage::Format_ARGB32));
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {}, picture}));
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/cake.PNG"}, nullptr}));
    EXPECT_FALSE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/cake.bmp"}, nullptr}));
    EXPECT_FALSE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/jpeg"}, nullptr}));
    EXPECT_FALSE(ui.drop(*w.photo, DropData{std::string("just text"), {}, nullptr}));
    EXPECT_EQ(w.log, (std::vector<std::string>{"photo:picture 12", "photo:file /tmp/cake.PNG"}));
}

TEST(Drops, DragOverRunsFirstAndTrueRefusesTheDrop) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    bool refuse = true;
    w.photo->DragOver = [&](int32_t x, int32_t y, std::shared_ptr<DragItem>, int32_t) {
        w.log.push_back("photo:DragOver " + std::to_string(x) + "," + std::to_string(y));
        return refuse;
    };
    EXPECT_FALSE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/a.jpeg"}, nullptr}, 4, 5));
    refuse = false;
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/a.jpeg"}, nullptr}, 4, 5));
    EXPECT_EQ(w.log.back(), "photo:file /tmp/a.jpeg");
    EXPECT_EQ(w.log.front(), "photo:DragOver 4,5");
}

TEST(Drops, FilesDroppedOnTheWindowItselfComeAsOneItemEach) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    EXPECT_TRUE(ui.dropOnWindow(w, DropData{std::nullopt, {"/tmp/a.text", "/tmp/b.text"}, nullptr}, 200, 150));
    EXPECT_EQ(w.log, (std::vector<std::string>{"window:/tmp/a.text;/tmp/b.text;"}));
}

// A drop during a long job (an export turning the loop) is taken at once,
// as the desktop needs its answer, but its handler waits with the keys and
// clicks for the job to end: no handler runs inside another.
TEST(Drops, ADropDuringALongJobIsTakenAndHandledOnceTheJobEnds) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    resetServices();  // the program's own turns of the loop, which hold the user's input
    yieldToEventLoop();
    EXPECT_TRUE(ui.dropOnWindow(w, DropData{std::nullopt, {"/tmp/pie.text"}, nullptr}, 200, 150));
    auto picture = Picture::fromImage(QImage(12, 7, QImage::Format_ARGB32));
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {}, picture}));
    EXPECT_TRUE(w.log.empty());
    deliverHeldInput();
    EXPECT_EQ(w.log, (std::vector<std::string>{"window:/tmp/pie.text;", "photo:picture 12"}));
}

namespace {
// A drag's data as another program serves it: fetched anew at every ask, and
// here answering nothing after its first answer, as it can when the window
// was held up while the drag came in.
class DataGoneAfterFirstAsk : public QMimeData {
public:
    explicit DataGoneAfterFirstAsk(const QString& path) : path_(path) {}
    QStringList formats() const override { return {"text/uri-list"}; }
    bool hasFormat(const QString& type) const override { return type == "text/uri-list"; }

protected:
    QVariant retrieveData(const QString&, QMetaType) const override {
        if (asked_++ > 0) return {};
        return QVariant(QList<QVariant>{QUrl::fromLocalFile(path_)});
    }

private:
    QString path_;
    mutable int asked_ = 0;
};
}  // namespace

// The window system's drag events reach the window (not a widget): the drag
// enters over the window, crosses the photo, which takes no text file, and is
// dropped back on the window.
TEST(Drops, AFileDraggedInFromAnotherProgramIsStillThatFileAtTheDropWhenItsDataLaterComesBackEmpty) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    w.Show();
    QWindow* window = w.contentWidget()->window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint onWindow = w.contentWidget()->mapTo(w.contentWidget()->window(), QPoint(200, 150));
    const QPoint onPhoto = w.contentWidget()->mapTo(w.contentWidget()->window(), QPoint(50, 50));
    DataGoneAfterFirstAsk data("/tmp/pie.text");
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    for (const QPoint& at : {onWindow, onPhoto, onWindow})
        QWindowSystemInterface::handleDrag(window, &data, at, actions, Qt::LeftButton, Qt::NoModifier);
    const auto dropped = QWindowSystemInterface::handleDrop(window, &data, onWindow, actions, Qt::LeftButton, Qt::NoModifier);
    EXPECT_TRUE(dropped.isAccepted());
    EXPECT_EQ(w.log, (std::vector<std::string>{"window:/tmp/pie.text;"}));
}


namespace {
// Two pictures side by side; each drags itself out from its MouseDown and
// takes picture drops.
struct TwoPhotosWindow : Window {
    std::vector<std::string> log;
    ProbeControl* left;
    ProbeControl* right;
    TwoPhotosWindow() {
        Width = 300;
        Height = 200;
        left = add<ProbeControl>("left");
        right = add<ProbeControl>("right");
        right->Left = 150;
        for (ProbeControl* c : {left, right}) {
            c->Width = 100;
            c->Height = 100;
            c->AcceptPictureDrop();
            const std::string name = c->Name();
            c->MouseDown = [this, name](int32_t, int32_t) {
                auto item = NewDragItem(0, 0, 100, 100);
                item->setPicture(Picture::fromImage(QImage(3, 3, QImage::Format_ARGB32)));
                log.push_back(name + ":MouseDown drag " + std::to_string(item->Drag()));
                return true;
            };
            c->MouseUp = [this, name](int32_t x, int32_t y) {
                log.push_back(name + ":MouseUp " + std::to_string(x) + "," + std::to_string(y));
            };
            c->DropObject = [this, name](std::shared_ptr<DragItem>, int32_t) { log.push_back(name + ":DropObject"); };
        }
    }
};
}  // namespace

TEST(Drags, ADragAskedForOnThePressStartsOnlyPastTheDragDistanceAndAClickStaysAClick) {
    UiDriver ui;
    TwoPhotosWindow w;
    w.finishBuilding();
    w.Show();
    ui.click(*w.left, 10, 10);
    const int32_t distance = QApplication::startDragDistance();
    ui.press(*w.left, 10, 10);
    ui.drag(*w.left, 10 + distance - 1, 10);
    ui.release(*w.left, 10 + distance - 1, 10);
    EXPECT_EQ(w.log, (std::vector<std::string>{"left:MouseDown drag 0", "left:MouseUp 10,10", "left:MouseDown drag 0",
                                               "left:MouseUp " + std::to_string(9 + distance) + ",10"}));
    EXPECT_TRUE(ui.dialogs().calls().empty()) << "no drag ran inside the press";

    w.log.clear();
    ui.dialogs().expectDrag();
    ui.press(*w.left, 10, 10);
    ui.drag(*w.left, 10 + distance, 10);  // still over the left picture: its own drag comes back
    ui.release(*w.left, 10 + distance, 10);
    EXPECT_EQ(w.log, (std::vector<std::string>{"left:MouseDown drag 0"})) << "the drag took the release";
    ASSERT_EQ(ui.dialogs().calls().size(), 1u);
    EXPECT_TRUE(ui.dialogs().calls()[0].droppedInProgram);
    EXPECT_EQ(ui.dialogs().calls()[0].dragResult, DragResult::None);

    w.log.clear();
    ui.dialogs().expectDrag();
    ui.press(*w.left, 10, 10);
    ui.drag(*w.left, 170, 10);  // over the right picture
    ui.release(*w.left, 170, 10);
    EXPECT_EQ(w.log, (std::vector<std::string>{"left:MouseDown drag 0", "right:DropObject"}));
    EXPECT_EQ(ui.dialogs().calls().back().dragResult, DragResult::Copy);
    // The pointer is free again: a press on the right picture is the right one's.
    ui.click(*w.right, 20, 20);
    EXPECT_EQ(w.log.back(), "right:MouseUp 20,20");
}

TEST(Drags, ADragStartedOutsideAPressRunsAtOnceAndDropsOutsideAnswerTheOtherProgramsAction) {
    UiDriver ui;
    TwoPhotosWindow w;
    ui.dialogs().expectDrag(DragResult::Move);
    auto item = w.NewDragItem(10, 20, 30, 40);
    item->setPicture(Picture::fromImage(QImage(3, 3, QImage::Format_ARGB32)));
    EXPECT_EQ(item->Drag(), DragItem::ActionMove);  // the window is not shown: nothing of ours is under the pointer
    ASSERT_EQ(ui.dialogs().calls().size(), 1u);
    EXPECT_FALSE(ui.dialogs().calls()[0].droppedInProgram);
}

TEST(Drops, ADropOnAnInactiveWindowLeavesItInactiveAndItsFocusMovesAreOnlyRecorded) {
    // A file dragged from a file manager: the window under the pointer is not
    // the active one, and the drop does not activate it.
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    EventJournal journal;
    auto* notes = w.add<ProbeControl>("notes");
    notes->Top = 120;
    journal.watch(*w.photo);
    journal.watch(*notes);
    w.finishBuilding();
    w.Show();
    journal.clear();
    ui.click(*w.photo, 5, 5);
    PhotoWindow other;
    other.finishBuilding();
    other.Show();  // the user works in another window now
    EXPECT_EQ(journal.joined(), "photo:GotFocus photo:LostFocus");
    w.photo->DropObject = [&](std::shared_ptr<DragItem>, int32_t) {
        journal.add("photo:DropObject");
        notes->SetFocus();  // recorded, raised when the window is activated
        w.photo->SetFocus();
        notes->SetFocus();
    };
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/cake.jpg"}, nullptr}));
    EXPECT_FALSE(w.isActive());
    EXPECT_EQ(journal.joined(), "photo:GotFocus photo:LostFocus photo:DropObject");
    EXPECT_EQ(w.Focus(), notes);
    ui.click(*notes, 2, 2);  // the user comes back
    EXPECT_EQ(journal.joined(), "photo:GotFocus photo:LostFocus photo:DropObject notes:GotFocus");
}

// A disabled control is out of reach, as Qt's own widgets are: no DragOver,
// no DropObject, no MouseDown; enabled again, it takes them as before.
TEST(Drops, ADisabledControlTakesNoDropAndNoClick) {
    UiDriver ui;
    RegisteredTypes types;
    PhotoWindow w;
    w.finishBuilding();
    w.photo->DragOver = [&](int32_t, int32_t, std::shared_ptr<DragItem>, int32_t) {
        w.log.push_back("photo:DragOver");
        return false;
    };
    w.photo->MouseDown = [&](int32_t, int32_t) {
        w.log.push_back("photo:MouseDown");
        return false;
    };
    w.photo->Enabled = false;
    EXPECT_FALSE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/a.jpeg"}, nullptr}));
    ui.click(*w.photo, 4, 5);
    EXPECT_TRUE(w.log.empty());
    w.photo->Enabled = true;
    EXPECT_TRUE(ui.drop(*w.photo, DropData{std::nullopt, {"/tmp/a.jpeg"}, nullptr}));
    ui.click(*w.photo, 4, 5);
    EXPECT_EQ(w.log.back(), "photo:MouseDown");
    EXPECT_EQ(w.log.front(), "photo:DragOver");
}
