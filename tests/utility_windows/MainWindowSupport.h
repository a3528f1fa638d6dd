#pragma once
// The program started in-process on a database of the test's own, with the
// main window showing its first recipe: what the font palette and the recipe
// text field are tested against.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/Larderwise.h"
#include "framework/ui/controls/EditField.h"
#include "recipe_window/Main.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"

class MainWindowFixture : public ::testing::Test {
protected:
    UiDriver ui;

    ~MainWindowFixture() override;

    // One recipe named "Cake" with this text, shown in the main window, whose
    // recipe text is a styled field.
    void startWithRecipe(const std::string& text);
    std::string databasePath() const;
    // Runs a statement on the database through a connection of its own.
    void executeElsewhere(const std::string& sql) const;
    // The first value the select gives, through a connection of its own.
    std::optional<std::string> valueOf(const std::string& sql) const;

    MainWindow& main() { return Main(); }
    EditField& text() { return *Main().RecipeText; }
    // The user's selection in the recipe text, as the field reports it to
    // the window.
    void userSelects(int32_t start, int32_t length);
};
