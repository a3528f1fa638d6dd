#include "startup/Startup.h"

#include "app/Larderwise.h"
#include "app/LarderwiseSplash.h"
#include "app/MenuBar1.h"
#include "app/file_types/FileTypeSets.h"
#include "controls/search/MagnifyingGlass.h"
#include "prefs/BPrefs.h"
#include "recipe_window/Main.h"
#include "recipe_window/print/PrintModule.h"
#include "utility_windows/about/AboutBox.h"
#include "utility_windows/help/HelpWindow.h"

std::unique_ptr<Larderwise> _NewAppInstance() {
    auto app = std::make_unique<Larderwise>();
    app->MenuBar = MenuBar1();
    app->windows.showMain = [] { Main().Show(); };
    app->windows.openInMain = [](std::shared_ptr<FolderItem> item) {
        Main().Show();
        Main().droppedRecipe(std::move(item));
    };
    app->windows.showAbout = [] { aboutBox().Show(); };
    app->windows.showHelp = [] { helpWindow().Show(); };
    app->windows.fontPaletteTarget = [] {
        MainWindow& main = Main();
        return FontPaletteTarget{main, *main.RecipeText, main.recipeTextSelStart, main.recipeTextSelLength,
                                 main.recipeTextSelFont};
    };
    app->windows.photo = [] { return std::shared_ptr<Picture>(Main().myPic); };
    app->windows.mainStaysOpen = [] { return Main().staysForUnkeptEdit(); };
    return app;
}

void _ApplicationAddMenuHandlers() {
    Larderwise& app = App();
    app.AddMenuHandler("FileAboutLarderwise", [&app] { return app._FileAboutLarderwise_Action(); });
    app.AddMenuHandler("FileQuit", [&app] { return app._FileQuit_Action(); });
    app.AddMenuHandler("HelpProgramHelp", [&app] { return app._HelpProgramHelp_Action(); });
}

void _MakeDefaultView() {
    (void)Main();
}

void releaseGlobals() {
    releaseLarderwiseSplash();
    releaseMagnifyingGlass();
    Runtime::releaseWindows();
    if (Application* app = currentApplication()) app->MenuBar.reset();
    releaseMenuBar1();
    releaseFileTypes();
    PrintModule::EndPrinting();
    BPrefs::Unload();
}

Runtime::StartupSteps larderwiseStartupSteps() {
    Runtime::StartupSteps steps;
    steps.applicationName = "Larderwise";
    steps.initFileTypes = _InitFileTypes;
    steps.newAppInstance = [] { return std::unique_ptr<Application>(_NewAppInstance()); };
    steps.addMenuHandlers = _ApplicationAddMenuHandlers;
    steps.makeDefaultView = _MakeDefaultView;
    steps.releaseGlobals = releaseGlobals;
    steps.singleInstanceName = "Larderwise";
    return steps;
}

int _Main(int argc, char** argv) { return Runtime::run(argc, argv, larderwiseStartupSteps()); }
