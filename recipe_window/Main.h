#pragma once
// The main window, as far as it stands today: its size and title, the one
// menu bar, Close (which ends the program), the database backup, and the
// import of a document opened from the desktop, which for now only records
// the file. Browsing, editing and the rest of its menu commands come with
// the recipe window itself.
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/Window.h"

class FolderItem;

class MainWindow : public Window {
public:
    MainWindow();

    // Imports the file as a new recipe. For now: remembers it in droppedItems.
    void droppedRecipe(std::shared_ptr<FolderItem> item);
    std::vector<std::shared_ptr<FolderItem>> droppedItems;

    // Copies the database file beside itself under a name stamped with the
    // date and time, and tells the user how that went; reports nothing back.
    void backupDB();

    // Binds the menu items this window handles to its actions.
    void AddMenuHandlers();

    bool _FileClose_Action();
    bool _FileBackupDatabase_Action();
};

// The main window's one instance, built on first use; never nil.
MainWindow& Main();
