#include "tests/support/LarderwiseTest.h"

#include <filesystem>

#include "app/DatabaseMessages.h"
#include "startup/Startup.h"

LarderwiseTest::~LarderwiseTest() { releaseGlobals(); }

void LarderwiseTest::makeDataFolder() const { std::filesystem::create_directories(dataFolder()); }

void LarderwiseTest::startApp(const std::vector<std::string>& documents) {
    ui.start(larderwiseStartupSteps(), documents);
    ui.settle();
}

void LarderwiseTest::quitApp() {
    ui.chooseMenu("FileQuit");
    ui.settle();
}

void LarderwiseTest::expectDatabaseCreated() {
    ui.dialogs()
        .expectMessageDialogPressing(DatabaseMessages::missingFileQuestion(), DatabaseMessages::kCreateButton)
        .expectMsgBox(DatabaseMessages::kCreated);
}
