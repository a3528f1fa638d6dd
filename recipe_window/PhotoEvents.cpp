// What the photo area does with the mouse and with drops: a dropped picture
// or picture file becomes the recipe's photo, a contextual click offers to
// clear it, a plain click drags it out, and a double click opens it at full
// size.
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/files/FolderItem.h"
#include "framework/graphics/Picture.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/Keyboard.h"
#include "framework/ui/MouseState.h"
#include "recipe_window/Main.h"

namespace {

const char* const kClearRecipePicture = "Clear Recipe Picture";

// The picture a drop offers: its picture, else its file read as one.
std::shared_ptr<Picture> droppedPicture(const DragItem& item) {
    if (item.PictureAvailable()) return item.Picture();
    if (item.FolderItemAvailable())
        if (std::shared_ptr<FolderItem> file = item.FolderItem()) return file->OpenAsPicture();
    return nullptr;
}

}  // namespace

void MainWindow::recipePhoto_Open() {
    recipePhoto->AcceptPictureDrop();
    // JPEG, PNG, GIF and TIFF files; "image/jpg" and "image/tif" are names
    // the photo has always asked for, though no registered type has them.
    for (const char* type : {"image/jpg", "image/jpeg", "image/png", "image/gif", "image/tif", "image/tiff"})
        recipePhoto->AcceptFileDrop(type);
}

// A drop that offers nothing readable as a picture leaves the photo alone:
// an unreadable file must not erase the recipe's photo.
void MainWindow::recipePhoto_DropObject(std::shared_ptr<DragItem> obj, int32_t) {
    if (!obj) return;
    if (std::shared_ptr<Picture> picture = droppedPicture(*obj))
        replacePhoto(picture, "Error 500: There was an error updating the picture in the database.");
}

bool MainWindow::recipePhoto_MouseDown(int32_t, int32_t) {
    if (IsContextualClick()) {
        auto menu = std::make_shared<MenuItem>();
        menu->Append(std::make_shared<MenuItem>(kClearRecipePicture));
        MenuItem* chosen = menu->PopUp(System::MouseX(), System::MouseY());
        if (!chosen) return false;
        if (chosen->Text == kClearRecipePicture) clearPhoto();
        return true;
    }
    std::shared_ptr<DragItem> drag =
        NewDragItem(recipePhoto->Left, recipePhoto->Top, recipePhoto->Width, recipePhoto->Height);
    drag->setPicture(myPic);
    drag->Drag();
    return true;  // the mouse-up may make this a double click
}
