// Writing the recipe photo: the shown recipe's one row, the picture stored
// as JPEG, committed at once. A photo is written when the user drops or
// clears one; a write that failed is kept and tried again when the photo
// area loses the focus. Nothing else rewrites the photo, so a stored JPEG is
// never decoded and encoded again just because the user clicked it.
#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/db/RecordSet.h"
#include "framework/dialogs/MsgBox.h"
#include "recipe_window/Main.h"

std::shared_ptr<RecordSet> MainWindow::photoRow() {
    if (!saveAllowed()) return nullptr;
    return App().db->SQLSelect("select recipePhoto from recipes where rowID = " + std::to_string(recRowID));
}

bool MainWindow::writePhoto(RecordSet& row, const std::shared_ptr<Picture>& picture) {
    REALSQLDatabase& db = *App().db;
    row.Edit();  // a recipe gone from the table leaves no row and fails here
    if (db.Error()) return false;
    row.Field("recipePhoto").SetJPEGValue(picture);
    if (db.Error()) return false;
    row.Update();
    if (!db.Error() && db.RowsChanged() == 1) {  // 0: deleted since it was read
        db.Commit();
        if (!db.Error()) return true;
    }
    // The photo stays kept for the next try; an open transaction would hold
    // a lock that stops other programs reading the file.
    db.Rollback();
    return false;
}

void MainWindow::replacePhoto(const std::shared_ptr<Picture>& picture, const char* failure) {
    // The failure's box takes the focus from the photo area: its LostFocus
    // must not write the photo again and say so a second time.
    editor_.whileSaving([&] {
        if (!saveAllowed()) return;  // no recipe shown: nothing to change
        // A row that cannot even be read (another program holds the database)
        // is a failed write like any other: said, and kept for the retry.
        std::shared_ptr<RecordSet> row = photoRow();
        myPic = picture;
        drawNScale(myPic, *recipePhoto);
        photoUnsaved_ = !row || !writePhoto(*row, myPic);
        photoUnsavedRowID_ = recRowID;
        photoUnsavedPicture_ = photoUnsaved_ ? picture : nullptr;
        photoFailure_ = failure;
        if (photoUnsaved_) editor_.sayFailedSave("photo", failure);
    });
}

void MainWindow::clearPhoto() {
    replacePhoto(nullptr, "Error 501: There was an error updating the picture in the database.");
}

void MainWindow::recipePhoto_LostFocus(FocusLoss why) { editor_.fieldLeft(RecipeEditor::Field::Photo, why); }

bool MainWindow::savePhoto() {
    // Only a photo that is still the one shown, of the recipe still shown,
    // is written: a photo another recipe replaced in the meantime is gone.
    if (!photoUnsaved_ || photoUnsavedRowID_ != recRowID || photoUnsavedPicture_ != myPic) {
        photoUnsaved_ = false;
        photoUnsavedPicture_.reset();
        return true;
    }
    if (!saveAllowed()) return true;
    std::shared_ptr<RecordSet> row = photoRow();
    if (row && row->EOF_()) {
        sayRecipeGone("photo");
    } else if (!row || !writePhoto(*row, myPic)) {
        // One failure, one message: the drop's failure was told already.
        editor_.sayFailedSave("photo", "Error 400 occurred while updating the recipe.", photoFailure_);
        return false;
    }
    editor_.forgetToldFailures("photo");
    photoUnsaved_ = false;
    photoUnsavedPicture_.reset();
    return true;
}
