// A double click on the photo opens it at full size in the photo window,
// sized to the photo and titled with the name in the name field.
#include "framework/graphics/Picture.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "utility_windows/photo/PictureWindow.h"

void MainWindow::recipePhoto_DoubleClick() {
    if (!myPic) return;
    PictureWindow& window = pictureWIndow();
    window.Width = myPic->Width();
    window.Height = myPic->Height();
    window.Title = std::string(recipeName->Text);
    window.Show();
}
