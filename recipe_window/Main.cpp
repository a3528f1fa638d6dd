#include "recipe_window/Main.h"

#include "app/MenuBar1.h"
#include "framework/runtime/Application.h"
#include "framework/runtime/ImplicitWindows.h"
#include "recipe_window/DatabaseBackup.h"

MainWindow::MainWindow() {
    Title = std::string("Larderwise");
    Width = 700;
    Height = 500;
    MinWidth = 400;
    MinHeight = 300;
    Frame = static_cast<int32_t>(DocumentFrame);
    Resizeable = true;
    CloseButton = true;
    Visible = false;  // shown by the application once the database is open
    MenuBar = MenuBar1();
    AddMenuHandlers();
    // Closing the main window (its close box or File > Close) ends the program.
    Close = [] { Quit(0); };
}

MainWindow& Main() { return implicitInstance<MainWindow>(); }

void MainWindow::droppedRecipe(std::shared_ptr<FolderItem> item) { droppedItems.push_back(std::move(item)); }

void MainWindow::backupDB() { backupDatabaseFile(); }

void MainWindow::AddMenuHandlers() {
    AddMenuHandler("FileClose", [this] { return _FileClose_Action(); });
    AddMenuHandler("FileBackupDatabase", [this] { return _FileBackupDatabase_Action(); });
}

bool MainWindow::_FileClose_Action() {
    Close();
    return false;
}

bool MainWindow::_FileBackupDatabase_Action() {
    backupDB();
    return false;
}
