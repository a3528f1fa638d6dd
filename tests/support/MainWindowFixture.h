#pragma once
// The main window as the user meets it: the real start-up run in-process on
// a database file of the test's own, scripted dialogs, a fake clock. The
// database is checked afterwards through a second connection.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Larderwise.h"
#include "controls/doubleclick/DoubleClickCanvas.h"
#include "framework/db/REALSQLDatabase.h"
#include "controls/doubleclick/DoubleClickListbox.h"
#include "controls/rating/RatingWidget.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/StaticText.h"
#include "recipe_window/Main.h"
#include "tests/support/LarderwiseTest.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/TestDatabase.h"
#include "tests/support/UiDriver.h"

struct TestRecipe {
    std::string name;
    std::string keywords;
    int rating = 0;
    std::optional<std::string> text = std::string("text");
    // Empty: RTF made from the text, so the database needs no conversion.
    std::optional<std::string> rtf = std::string();
    std::optional<int64_t> rowID;
};

TestRecipe recipe(std::string name, std::string keywords = "", int rating = 0,
                  std::optional<std::string> text = std::string("text"),
                  std::optional<std::string> rtf = std::string());

class MainWindowTest : public LarderwiseTest {
protected:
    // Builds the database (the table as the program creates it, unless
    // `createTable` says otherwise), starts the program and activates Main.
    void start(const std::vector<TestRecipe>& recipes, const std::string& createTable = std::string());
    // Starts the program on the database already built and activates Main.
    void showMainWindow();
    // Runs statements on the database file through a connection of its own.
    void execute(const std::vector<std::string>& statements) const;
    std::vector<Row> query(const std::string& sql) const;
    // One value of the first row, "NULL" for NULL.
    std::string value(const std::string& sql) const;

    MainWindow& w() { return Main(); }
    std::vector<std::string> listedNames();
    void search(const std::string& text);
    void chooseScope(const std::string& label);
    void quit();
};
