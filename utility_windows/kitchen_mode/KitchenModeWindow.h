#pragma once
// Kitchen mode: the recipe in large read-only type across the whole screen,
// read aloud on request. The main window shows it and then fills
// bigRecipeText. While it is open the font palette is put away, and it comes
// back when kitchen mode closes. Command-R reads, Command-S stops reading and
// Command-W stops reading and closes; the arrow keys move ten lines at a time.
#include <string>

#include "framework/ui/Window.h"

class EditField;
class PopupMenu;
class PushButton;
class StaticText;

class KitchenModeWindow : public Window {
public:
    KitchenModeWindow();

    // True while this window has put the font palette away and owes it back.
    bool fontWindowVisible = false;

    // --- controls, in creation order ------------------------------------------
    PushButton* readRecipe = nullptr;
    EditField* bigRecipeText = nullptr;
    PushButton* closeWindow = nullptr;
    PopupMenu* textSize = nullptr;
    StaticText* StaticText1 = nullptr;
    PushButton* shutUp = nullptr;

    // --- control handlers -------------------------------------------------------
    void readRecipe_Action();
    void bigRecipeText_SelChange();
    bool bigRecipeText_KeyDown(const std::string& key);
    void closeWindow_Action();
    void textSize_Change();
    void shutUp_Action();

    // --- window events ----------------------------------------------------------
    void Event_Open();
    void Event_Close();
    bool Event_KeyDown(const std::string& key);

    void handleOpen() override { Event_Open(); }
    void handleClose() override { Event_Close(); }
    bool handleKeyDown(const std::string& key) override { return Event_KeyDown(key); }

private:
    void Layout();
    void _CreateControls0();
    void bindHandlers();
};

// The open kitchen window, or a new one (shown at once); never nil.
KitchenModeWindow& kitchenModeWIndow();
