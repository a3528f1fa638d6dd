#pragma once
// What a printed page shows of the recipe: read at print time from the
// window that shows it, not from the database, so an edit not yet saved
// prints as it is on screen. The main window is the source in the program
// (MainPrinting.cpp); tests give their own.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/text/StyledText.h"

class Picture;

class PrintedRecipe {
public:
    virtual ~PrintedRecipe() = default;
    virtual std::string Name() const = 0;  // as typed, blanks included
    virtual int32_t Rating() const = 0;    // 0 to 5
    virtual StyledText Text() const = 0;
    virtual std::shared_ptr<Picture> Photo() const = 0;  // nullptr when it has none
};

// The recipe the main window shows (MainPrinting.cpp).
const PrintedRecipe& mainWindowRecipe();
