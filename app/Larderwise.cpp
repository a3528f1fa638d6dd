#include "app/Larderwise.h"

#include "app/ApplicationTexts.h"
#include "app/LeftoverFiles.h"
#include "framework/db/REALSQLDatabase.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/files/FolderItem.h"
#include "framework/menus/MenuItem.h"
#include "framework/ui/Runtime.h"
#include "prefs/BPrefs.h"

Larderwise::Larderwise() = default;
Larderwise::~Larderwise() = default;

Larderwise& App() {
    auto* app = dynamic_cast<Larderwise*>(currentApplication());
    if (!app) throw NilObjectException("the application object does not exist yet");
    return *app;
}

namespace {
void setItemText(const std::shared_ptr<MenuBar>& bar, const std::string& name, const std::string& text) {
    // Found by name wherever it sits, whatever its item class.
    if (MenuItem* item = bar ? bar->FindItem(name) : nullptr) item->Text = text;
}
}  // namespace

void Larderwise::Event_Open() {
    removeLeftoverFiles();  // before anything here writes a file
    db = std::make_shared<REALSQLDatabase>();
    setItemText(MenuBar, "FileAboutLarderwise", "About Larderwise...");
    setItemText(MenuBar, "HelpProgramHelp", "Larderwise Help");
    if (std::string stage = stageNameForCode(StageCode()); !stage.empty()) stageType = stage;
    mbarActive = true;
    EnableMenuItems();
    openDatabase();
    // After a fatal database error the quit is under way: the main window
    // must not open against a connection that is not there.
    if (Runtime::quitting()) return;
    if (windows.showMain) windows.showMain();
}

void Larderwise::Event_OpenDocument(std::shared_ptr<FolderItem> item) {
    // Documents come from the desktop's launcher as paths; only files that
    // exist are documents (a desktop would never hand over anything else).
    if (!item || !item->Exists() || item->Directory()) return;
    if (windows.openInMain) windows.openInMain(std::move(item));
}

void Larderwise::Event_Close() {
    // A quit before the Open event ran has no connection to close.
    if (db) db->Close();
    BPrefs::Save();
}

bool Larderwise::Event_UnhandledException(RuntimeException& error) {
    MsgBox(unhandledExceptionText(error.ErrorNumber, error.Message));
    Quit(0);
    return false;
}

bool Larderwise::_FileAboutLarderwise_Action() {
    if (windows.showAbout) windows.showAbout();
    return false;
}

bool Larderwise::_FileQuit_Action() {
    if (windows.mainStaysOpen && windows.mainStaysOpen()) return false;
    Quit(0);
    return false;
}

bool Larderwise::_HelpProgramHelp_Action() {
    if (windows.showHelp) windows.showHelp();
    return false;
}
