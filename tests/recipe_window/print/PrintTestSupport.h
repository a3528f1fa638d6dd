#pragma once
// A recipe to print that the test controls, installed for the test's
// lifetime, and what a recorded print job put on each sheet.
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/RecordingGraphics.h"
#include "framework/print/PrinterSetup.h"
#include "recipe_window/print/PrintedRecipe.h"

struct FakeRecipe : PrintedRecipe {
    std::string name = "Apple pie";
    int32_t rating = 3;
    StyledText text = StyledText("Peel the apples.");
    std::shared_ptr<Picture> photo;

    FakeRecipe();
    ~FakeRecipe() override;
    std::string Name() const override { return name; }
    int32_t Rating() const override { return rating; }
    StyledText Text() const override { return text; }
    std::shared_ptr<Picture> Photo() const override { return photo; }
};

// Letter paper with equal margins: Left = -margin, Width = 612 - 2 margins.
PrinterSetup letterSetup(double margin);

// A text of `lines` one-line paragraphs.
StyledText linesOfText(int lines);
// How many lines of such text one page of this setup holds.
int linesPerPage(const PrinterSetup& setup);

struct Sheet {
    std::vector<std::string> pageNumbers;  // the "Page N" texts still on it
    std::string textBlock;                 // "lines a-b" of its text block (from 0)
};
// Splits the recording at NextPage; a ClearRect of the whole sheet wipes
// what was drawn on it before.
std::vector<Sheet> sheetsOf(const RecordingGraphics& g);
