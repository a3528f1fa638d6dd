#pragma once
// The application object: owns the one connection to the recipe database
// and the database file for the life of the process, answers the About,
// Quit and Program Help commands whatever window is in front, and reports
// any exception nobody caught.
#include <functional>
#include <memory>
#include <string>

#include "app/FontPaletteTarget.h"
#include "framework/ui/Application.h"

class FolderItem;
class MessageDialog;
class Picture;
class REALSQLDatabase;

class Larderwise : public Application {
public:
    Larderwise();
    ~Larderwise() override;

    // The connection every window runs its SQL through. Created unconnected
    // by the Open event, connected by openDatabase, closed at quit.
    std::shared_ptr<REALSQLDatabase> db;
    // "Final", "Beta", "Alpha" or "Dev"; set by the Open event.
    std::string stageType;
    // The database file; set by openDatabase on every call.
    std::shared_ptr<FolderItem> dbfile;
    // Set once start-up has enabled the menus; nothing reads it.
    bool mbarActive = false;
    // Whether the floating font palette is shown; the palette sets it as it
    // opens and clears it as it closes, and nothing else writes it.
    bool fontWindowVisible = false;

    // The windows this object shows, and what the utility windows read of
    // the main window. They sit above this object (they use it), so the
    // start-up, which knows them, fills these in when it builds the object;
    // left unset, nothing is shown, the photo window stays blank and the
    // font palette raises NilObjectException.
    struct Windows {
        std::function<void()> showMain;
        // Shows the main window and hands it a document opened from the desktop.
        std::function<void(std::shared_ptr<FolderItem>)> openInMain;
        std::function<void()> showAbout;
        std::function<void()> showHelp;
        // The main window's recipe text and recorded selection, for the font palette.
        std::function<FontPaletteTarget()> fontPaletteTarget;
        // The main window's photo at the moment of asking, for the photo window.
        std::function<std::shared_ptr<Picture>()> photo;
        // Whether a quit chosen now waits: the main window keeps an edit on
        // screen that nothing can store, for the user to copy out.
        std::function<bool()> mainStaysOpen;
    } windows;

    void Event_Open();
    void Event_OpenDocument(std::shared_ptr<FolderItem> item);
    void Event_Close();
    bool Event_UnhandledException(RuntimeException& error);

    bool _FileAboutLarderwise_Action();
    bool _FileQuit_Action();
    bool _HelpProgramHelp_Action();

    // Finds, creates, upgrades and if needed converts the recipe database,
    // and connects db to it. On a fatal failure it shows its message, asks
    // to quit and returns; a caller that gets control back otherwise has a
    // connected db.
    void openDatabase();

    void handleOpen() override { Event_Open(); }
    void handleOpenDocument(std::shared_ptr<FolderItem> item) override { Event_OpenDocument(std::move(item)); }
    void handleClose() override { Event_Close(); }
    bool handleUnhandledException(RuntimeException& e) override { return Event_UnhandledException(e); }
};

// The registered application object. Raises NilObjectException before it
// exists (start-up has not reached it, or tests have not created one).
Larderwise& App();
