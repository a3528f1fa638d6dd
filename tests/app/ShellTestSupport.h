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
#include "tests/support/LarderwiseTest.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

// Runs the statements on the database file (created when missing) and commits.
void buildDatabase(const std::string& path, const std::vector<std::string>& statements);
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

using ShellTest = LarderwiseTest;
