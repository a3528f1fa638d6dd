#pragma once
// The real program run in-process: its start-up steps with scripted dialogs,
// a fake clock and private special folders, and its globals released at the
// end of each test as the end of the process would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

class LarderwiseTest : public ::testing::Test {
protected:
    UiDriver ui;

    ~LarderwiseTest() override;

    std::string dataFolder() const { return ui.folder("ApplicationData") + "/Larderwise"; }
    std::string databasePath() const { return dataFolder() + "/recipeDB.rsd"; }
    // Makes the folder (the database file itself is up to the test).
    void makeDataFolder() const;

    // Start-up up to the end of the application's Open event and the
    // documents handed over after it.
    void startApp(const std::vector<std::string>& documents = {});
    // File > Quit, and everything the quit runs.
    void quitApp();

    // The first start's question answered with "Create a new database".
    void expectDatabaseCreated();
};
