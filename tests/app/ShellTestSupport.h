#pragma once
// What the shell's tests share: the real start-up run in-process with
// scripted dialogs and private folders, and small helpers to build database
// files of any layout with SQL and read them back.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/DatabaseMessages.h"
#include "app/Larderwise.h"
#include "app/Startup.h"
#include "framework/db/REALSQLDatabase.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

using Rows = std::vector<std::vector<std::optional<std::string>>>;

// Runs the statements on the database file (created when missing) and commits.
void buildDatabase(const std::string& path, const std::vector<std::string>& statements);
// Every row of the select, NULL as nullopt, blobs and text as their bytes.
Rows query(const std::string& path, const std::string& sql);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);
bool fileExists(const std::string& path);

// A database of the current layout holding these recipes (name, plain text,
// RTF), rowIDs in the order given.
struct RecipeRow {
    std::string name;
    std::optional<std::string> text;
    std::optional<std::string> rtf;
};
void buildCurrentDatabase(const std::string& path, const std::vector<RecipeRow>& recipes);

class ShellTest : public ::testing::Test {
protected:
    UiDriver ui;

    ~ShellTest() override;  // releases the program's globals, as the end of the process does

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
