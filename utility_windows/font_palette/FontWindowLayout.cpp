// The palette's layout: window design values, its controls in creation
// order, then the handlers bound by event name.
#include "framework/graphics/Color.h"
#include "framework/ui/ControlPlacement.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Line.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/Slider.h"
#include "framework/ui/controls/StaticText.h"
#include "utility_windows/font_palette/FontSizeIndicators.h"
#include "utility_windows/font_palette/FontWindow.h"

namespace {
void styleList(Listbox& list) {
    list.TextFont = std::string("SmallSystem");
    list.ColumnCount = 1;
    list.HasHeading = false;
    list.SelectionType = 0;
    list.ScrollBarVertical = true;
    list.DefaultRowHeight = 16;
}

void styleLabel(StaticText& label, const std::string& text) {
    label.Text = text;
    label.TextFont = std::string("SmallSystem");
}
}  // namespace

FontPaletteWindow::FontPaletteWindow() {
    Title = std::string("Font");
    Frame = static_cast<int32_t>(FloatingFrame);
    Width = 217;
    Height = 307;
    MinWidth = 200;
    MinHeight = 250;
    Resizeable = true;
    CloseButton = true;
    MaximizeButton = false;
    // It opens beside the main window, which on a small screen, or with the
    // main window moved to the right, is beyond the screen's edge.
    keepFrameOnScreen(true);
    // Shown from the main window, the palette leaves the keyboard with the
    // recipe text it styles: a word typed next is the recipe's, not a jump
    // in the family list. A click into the palette gives it the keys.
    showWithoutActivating(true);
    Visible = true;
    _CreateControls0();
    bindHandlers();
    AddMenuHandlers();
}

void FontPaletteWindow::_CreateControls0() {
    FontList = add<Listbox>("FontList");
    place(*FontList, 6, 43, 122, 258, true, true, true, true);
    styleList(*FontList);

    SizeList = add<Listbox>("SizeList");
    place(*SizeList, 155, 70, 35, 231, false, true, true, true);
    styleList(*SizeList);
    SizeList->InitialValue = std::string(kPaletteSizes);

    StaticText1 = add<StaticText>("StaticText1");
    place(*StaticText1, 8, 23, 73, 15, false, false, false, false);
    styleLabel(*StaticText1, "Family");

    StaticText2 = add<StaticText>("StaticText2");
    place(*StaticText2, 155, 23, 49, 15, false, false, false, false);
    styleLabel(*StaticText2, "Size");

    fontSize = add<EditField>("fontSize");
    place(*fontSize, 155, 43, 53, 22, false, true, true, false);
    fontSize->Border = true;
    fontSize->TextFont = std::string("SmallSystem");
    fontSize->Text = std::string();

    FontSizeSlider = add<Slider>("FontSizeSlider");
    place(*FontSizeSlider, 196, 70, 12, 231, false, true, true, true);
    FontSizeSlider->Minimum = 6;
    FontSizeSlider->Maximum = 72;
    FontSizeSlider->Value = 11;
    FontSizeSlider->LineStep = 1;
    FontSizeSlider->PageStep = 0;
    FontSizeSlider->LiveScroll = true;

    Line1 = add<Line>("Line1");
    Line1->X1 = 0;
    Line1->Y1 = 20;
    Line1->X2 = 217;
    Line1->Y2 = 20;
    Line1->LockLeft = false;
    Line1->LockTop = false;
    Line1->BorderWidth = 1;
    Line1->LineColor = RGB(181, 181, 181);
}

void FontPaletteWindow::bindHandlers() {
    FontList->Change = [this] { FontList_Change(); };
    SizeList->Change = [this] { SizeList_Change(); };
    fontSize->TextChange = [this] { fontSize_TextChange(); };
    fontSize->GotFocus = [this] { fontSize_GotFocus(); };
    fontSize->MouseDown = [this](int32_t x, int32_t y) { return fontSize_MouseDown(x, y); };
    FontSizeSlider->ValueChanged = [this] { FontSizeSlider_ValueChanged(); };
    Open = [this] { Event_Open(); };
    Activate = [this] { Event_Activate(); };
    Close = [this] { Event_Close(); };
}
