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
#include "startup/Startup.h"
#include "framework/db/REALSQLDatabase.h"
#include "tests/support/LarderwiseTest.h"
#include "tests/support/RecipeDatabase.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UiDriver.h"

// Runs the statements on the database file (created when missing) and commits.
void buildDatabase(const std::string& path, const std::vector<std::string>& statements);
bool fileExists(const std::string& path);

using ShellTest = LarderwiseTest;
