#include "recipe_window/print/MainPrinting.h"

#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/print/PrinterSetup.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "recipe_window/print/PrintModule.h"
#include "recipe_window/print/PrintedRecipe.h"

namespace {

// Reads the window's controls each time it is asked: a page shows the name,
// rating and photo as they are when the page is drawn.
class ShownRecipe : public PrintedRecipe {
public:
    std::string Name() const override { return Main().recipeName->Text; }
    int32_t Rating() const override { return Main().recipeRating->rating; }
    StyledText Text() const override { return Main().RecipeText->styledText(); }
    std::shared_ptr<Picture> Photo() const override { return Main().myPic; }
};

}  // namespace

const PrintedRecipe& mainWindowRecipe() {
    static const ShownRecipe shown;
    return shown;
}

void PrintModule::doPrint() {
    MainWindow& main = Main();
    if (!main.psetup) main.psetup = std::make_shared<PrintSettings>(PrinterSetup().Settings());
    PrinterSetup setup(*main.psetup);
    doPrint(setup);
    // The paper chosen in the printer dialog stays for the next job.
    *main.psetup = setup.Settings();
}

namespace MainPrinting {

bool _FilePageSetup_Action(MainWindow& main) {
    // The dialog shows the setup in force: opened on the defaults, it would
    // show a paper and orientation the next print does not use, and an OK
    // given for a change of margins would drop the orientation chosen before.
    PrinterSetup edited = main.psetup ? PrinterSetup(*main.psetup) : PrinterSetup();
    if (edited.PageSetupDialog(&main)) main.psetup = std::make_shared<PrintSettings>(edited.Settings());
    return false;
}

bool _FileAppkFilePrint_Action(MainWindow& main) {
    printRecipe(main);
    return false;
}

void printRecipe(MainWindow& main) {
    if (main.recipeList->ListIndex < 0) {
        MsgBox("No recipe selected to print.");
        return;
    }
    PrintModule::doPrint();
}

}  // namespace MainPrinting
