#pragma once
// The floating font palette. It lists the installed font families and a set
// of sizes, and applies a family or size to the part of the main window's
// recipe text that was last selected there (the selection the main window
// records on every change, since clicking the palette takes the focus away
// from the text).
//
// Two directions, kept apart on purpose:
//  - setFont follows the text: it only moves the palette's indicators. It
//    runs on every selection change while the palette is open, so if it
//    wrote to the text, selecting a passage of mixed sizes or fonts would
//    flatten it to one.
//  - The user's own choices on the palette (a family, a size row, the
//    slider, a typed size) restore the recorded selection and style it.
// The size controls update one another without raising each other's
// handlers, so the size last asked for is the one shown and applied.
#include <cstdint>
#include <string>

#include "framework/ui/Window.h"

class EditField;
class Line;
class Listbox;
class Slider;
class StaticText;

class FontPaletteWindow : public Window {
public:
    FontPaletteWindow();

    Listbox* FontList;
    Listbox* SizeList;
    StaticText* StaticText1;
    StaticText* StaticText2;
    EditField* fontSize;
    Slider* FontSizeSlider;
    Line* Line1;

    void FontList_Change();
    void SizeList_Change();
    void fontSize_TextChange();
    void fontSize_GotFocus();
    bool fontSize_MouseDown(int32_t x, int32_t y);
    void FontSizeSlider_ValueChanged();

    // Show Fonts while the palette is the active window closes it, as it
    // does from the main window: the same command turns the palette off.
    // Close closes it too.
    void AddMenuHandlers();
    bool _FontShowFonts_Action();
    void Event_Open();
    void Event_Activate();
    void Event_Close();

    // Brings the indicators into line with the recipe text's selection.
    // Writes nothing to the text.
    void setFont();
    // Shows the size in the three size controls and applies it to the
    // recorded selection of the recipe text, if there is one.
    void setFontSizeIndicators(double size);

    // True while the palette puts the recorded selection back into the
    // recipe text; the text's selection tracking records nothing meanwhile,
    // so the record stays the user's.
    static bool restoringSelection;

private:
    void _CreateControls0();
    void bindHandlers();
    // Moves the indicators without raising their handlers; the size field
    // is left alone while the user types in it.
    void showSize(int32_t size, bool inSizeField = true);
    // Styles the recorded selection of the recipe text at the size, if there
    // is a selection.
    void applySize(int32_t size);
    void showFamily(const std::string& family);
    // Puts the recorded selection back into the recipe text; false when
    // there is none to style.
    bool restoreSavedSelection();

    bool showingIndicators_ = false;
    // The focus came into the size field (which selected its text) and the
    // user has neither clicked nor typed there since.
    bool sizeSelectedOnEntry_ = false;
};

// The open palette, or a new one; never nil.
FontPaletteWindow& FontWindow();
