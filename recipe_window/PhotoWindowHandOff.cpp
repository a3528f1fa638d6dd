// A double click on the photo opens it at full size in the photo window,
// sized to the photo and titled with the name in the name field.
#include "framework/graphics/Picture.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "utility_windows/photo/PictureWindow.h"

void MainWindow::recipePhoto_DoubleClick() {
    // A stored photo is decoded whole only now; one that fails to decode
    // opens nothing, as no photo does.
    const std::shared_ptr<Picture> picture = myPic.full();
    if (!picture) return;
    PictureWindow& window = pictureWIndow();
    window.Width = picture->Width();
    window.Height = picture->Height();
    window.Title = std::string(recipeName->Text);
    window.Show();
}
