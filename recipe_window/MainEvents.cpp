// The window's own events, the splitters' hooks and the commands that act on
// the window as a whole.
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/splitter/SmartSplitter.h"
#include "framework/ui/Application.h"
#include "framework/print/PrinterSetup.h"
#include "framework/runtime/SystemInfo.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"
#include "app/DatabaseBackup.h"
#include "app/Larderwise.h"
#include "framework/db/REALSQLDatabase.h"
#include "recipe_window/Main.h"

void MainWindow::Event_Open() {
    psetup = std::make_shared<PrintSettings>(PrinterSetup().Settings());
    // Text, text clipping, read-only text and RTF files become new recipes.
    AcceptFileDrop("TEXT");
    AcceptFileDrop("clpt");
    AcceptFileDrop("ttro");
    AcceptFileDrop("RTFf");
    Title = std::string("Larderwise");
    const int32_t available = Screen(0).AvailableWidth;
    if (available > 0 && available < Width) Width = available;  // no screen answers 0
    for (SmartSplitter* s : {SmartSplitter1, SmartSplitter2}) {
        s->handleCount = 1;
        s->handleDimple = true;
        s->handleLarge = true;
    }
    searchControl->SetSearchMenu("Everywhere,-,Recipe Name,Recipe Keywords,Recipe Text,Recipe Rating", 1);
    searchWhere = searchControl->SearchWhere;
    recipeNameInvalid = false;
    recipeList->SetFocus();
}

void MainWindow::Event_Resized() {
    SmartSplitter1->behave();
    SmartSplitter2->behave();
}

void MainWindow::Event_Resizing() { Event_Resized(); }

void MainWindow::Event_Close() {
    // Every edit in progress is stored here, once, whatever holds the focus
    // (the editors' LostFocus leave it to this): also text styled from the
    // font palette while this window was inactive. A save that fails again
    // has shown its box before the program ends. An edit the user chose to
    // drop when told it cannot be stored is not tried again.
    if (!editor_.dropsEditAtEnd()) commitPendingEdit();
    Quit(0);
}

void MainWindow::SmartSplitter1_Open() {
    SmartSplitter1->attachNearbyControls();
    SmartSplitter1->attach(recipeKeywords);
    SmartSplitter1->attach(recipePhoto);
    SmartSplitter1->attach(recipeCount);
}

void MainWindow::SmartSplitter2_Open() {
    SmartSplitter2->attachNearbyControls();
    SmartSplitter2->setAttachedControlShouldResize(recipePhoto, true);
}

void MainWindow::SmartSplitter2_Paint(::Graphics&) { drawNScale(myPic, *recipePhoto); }

bool MainWindow::_FileClose_Action() {
    if (mayQuit()) Close();
    return false;
}

bool MainWindow::_FileBackupDatabase_Action() {
    backupDB();
    return false;
}

void MainWindow::backupDB() {
    // The copy holds the edit in progress, or is not made: a backup that
    // silently lacks what the window shows would be taken for a whole one.
    if (!commitPendingEditForCommand()) return;
    // The backup copies the file at the database's path: after another
    // program replaced it, that is not the file this program holds.
    if (replacedDatabase_.met() || App().db->FileReplaced()) {
        keepReplacedDatabaseAndQuit();
        return;
    }
    backupDatabaseFile();
}
