#pragma once
// A started application with the converter open, for the converter's tests.
#include <gtest/gtest.h>

#include <string>

#include "framework/ui/Application.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/PopupMenu.h"
#include "tests/support/ScriptedUiService.h"
#include "tests/support/UiDriver.h"
#include "utility_windows/unit_converter/RecipeUnits.h"

class ConverterFixture : public testing::Test {
protected:
    void SetUp() override {
        Runtime::StartupSteps steps;
        steps.newAppInstance = [] { return std::make_unique<Application>(); };
        ui.start(steps);
        w = &recipeUnits();
        w->Show();
    }

    // The line shown for an amount handed over on a row, one way or the other.
    std::string lineFor(const std::string& amount, int32_t row, bool toMetric) {
        w->ConvertDir->ListIndex = toMetric ? 0 : 1;
        w->UnitsTable->ListIndex = row;
        w->monto->Text = amount;
        return w->amtCvt->Text;
    }

    UiDriver ui;
    RecipeUnitsWindow* w = nullptr;
};

// Rows of the units table.
enum UnitsRow : int32_t {
    kPounds = 1, kOunces = 2, kGallons = 4, kQuarts = 5, kPints = 6, kCups = 7, kFluidOunces = 8,
    kTablespoons = 9, kTeaspoons = 10, kFahrenheit = 12
};
