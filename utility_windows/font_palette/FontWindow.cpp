// The palette's behaviour: following the recipe text's selection, and
// styling the recorded selection when the user picks a family or a size.
#include "utility_windows/font_palette/FontWindow.h"

#include <algorithm>
#include <utility>

#include "app/Larderwise.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/runtime/Services.h"
#include "framework/text/Strings.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/Slider.h"
#include "utility_windows/font_palette/FontSizeIndicators.h"

namespace {
// Gap between the main window's right edge and the palette.
constexpr int32_t kGapBesideMain = 5;

// The main window's recipe text, which the start-up hands the application
// object (the main window sits above the palette).
FontPaletteTarget paletteTarget() {
    const auto& target = App().windows.fontPaletteTarget;
    if (!target) throw NilObjectException("the font palette has no text to style");
    return target();
}

// Marks the palette as busy (moving its indicators, or putting the recorded
// selection back) for as long as it takes, however that ends.
class ShowingScope {
public:
    explicit ShowingScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~ShowingScope() { flag_ = was_; }

private:
    bool& flag_;
    bool was_;
};
}  // namespace

FontPaletteWindow& FontWindow() { return implicitInstance<FontPaletteWindow>(); }

bool FontPaletteWindow::restoringSelection = false;

// --- the window --------------------------------------------------------------

// The palette alone keeps the application's flag: set as it opens, cleared
// as it closes, however either comes about.
void FontPaletteWindow::Event_Open() {
    App().fontWindowVisible = true;
    const FontPaletteTarget main = paletteTarget();
    Left = main.beside.Left + main.beside.Width + kGapBesideMain;
    FontList->DeleteAllRows();
    // The old platform's font 0 was the system font, which the palette never
    // listed; here every entry is a real family, so all of them are listed.
    for (const std::string& family : services().fontFamilies())
        if (!StrEq(family, "System")) FontList->AddRow(family);
    // It opens without becoming the active window, so its activation does
    // not bring the indicators into line: they show the selection now.
    setFont();
}

void FontPaletteWindow::AddMenuHandlers() {
    AddMenuHandler("FontShowFonts", [this] { return _FontShowFonts_Action(); });
    // The main window's commands reach it from behind the palette; Close
    // is the palette's own, or Ctrl+W in the palette would close the main
    // window.
    AddMenuHandler("FileClose", [this] { return _FontShowFonts_Action(); });
}

// Clicking the palette makes it the active window; the menu command that
// opened it (Command-T) must still close it from here. Close clears the
// application's flag, so the next Show Fonts opens it again.
bool FontPaletteWindow::_FontShowFonts_Action() {
    Close();
    return true;
}

void FontPaletteWindow::Event_Activate() { setFont(); }

void FontPaletteWindow::Event_Close() { App().fontWindowVisible = false; }

// --- following the text ------------------------------------------------------

void FontPaletteWindow::setFont() {
    const FontPaletteTarget main = paletteTarget();
    showSize(wholeSize(main.text.SelTextSize));
    showFamily(main.recordedSelFont);
}

void FontPaletteWindow::showSize(int32_t size, bool inSizeField) {
    ShowingScope showing(showingIndicators_);
    const SizeIndicators shown = sizeIndicatorsFor(size);
    SizeList->ListIndex = shown.listIndex;
    if (inSizeField) fontSize->Text = Str(shown.size);
    if (shown.sliderShows) FontSizeSlider->Value = shown.size;
}

void FontPaletteWindow::showFamily(const std::string& family) {
    ShowingScope showing(showingIndicators_);
    for (int32_t row = 0; row < FontList->ListCount(); ++row) {
        if (StrEq(FontList->List(row), family)) {
            FontList->ListIndex = row;
            return;
        }
    }
}

// --- styling the recorded selection ----------------------------------------------

bool FontPaletteWindow::restoreSavedSelection() {
    // Read the record before touching the field: moving its selection may
    // first report a selection change still pending from before, and the
    // record must not be replaced by that.
    const FontPaletteTarget main = paletteTarget();
    const int32_t savedStart = main.recordedSelStart;
    const int32_t savedLength = main.recordedSelLength;
    if (savedLength <= 0) return false;
    // The record may be older than the text (a shorter recipe shown since):
    // style what is left of it, never a range the text does not have.
    const int32_t length = Len(main.text.Text);
    const int32_t start = std::clamp(savedStart, 0, length);
    ShowingScope restoring(restoringSelection);
    main.text.SelStart = start;
    main.text.SelLength = std::min(savedLength, length - start);
    return true;
}

void FontPaletteWindow::setFontSizeIndicators(double size) {
    const int32_t n = wholeSize(size);
    showSize(n);
    applySize(n);
}

void FontPaletteWindow::applySize(int32_t size) {
    if (restoreSavedSelection()) paletteTarget().text.SelTextSize = appliedTextSize(size);
}

void FontPaletteWindow::FontList_Change() {
    if (showingIndicators_ || FontList->ListIndex < 0) return;
    if (restoreSavedSelection()) paletteTarget().text.SelTextFont = FontList->List(FontList->ListIndex);
}

void FontPaletteWindow::SizeList_Change() {
    if (showingIndicators_) return;
    setFontSizeIndicators(Val(SizeList->Text));
}

// Each key styles the text at once, and the field then shows the size it
// applied, with the caret at its end: letters show 0. A fraction on its way
// ("12.", "12.5") is left as typed, or writing "12" back at the point would
// turn the next digit into 125; it styles at the whole size below it.
void FontPaletteWindow::fontSize_TextChange() {
    if (showingIndicators_) return;
    sizeSelectedOnEntry_ = false;  // the user is typing in the field
    const std::string typed = fontSize->Text();
    const int32_t n = wholeSize(Val(typed));
    showSize(n, !isFractionBeingTyped(typed, n));
    applySize(n);
    fontSize->SelStart = Len(fontSize->Text);
}

void FontPaletteWindow::fontSize_GotFocus() {
    fontSize->SelStart = 0;
    fontSize->SelLength = Len(fontSize->Text);
    sizeSelectedOnEntry_ = true;
}

// The desktop gives the field the focus before it hands it the click that
// did so; left to the field, that click would put the caret where it landed
// and undo the selection the focus gain made. So the first click after the
// user came into the field keeps the whole size selected, and the size typed
// next replaces it; later clicks place the caret as usual.
bool FontPaletteWindow::fontSize_MouseDown(int32_t, int32_t) {
    if (!std::exchange(sizeSelectedOnEntry_, false)) return false;
    fontSize->SelStart = 0;
    fontSize->SelLength = Len(fontSize->Text);
    return true;
}

void FontPaletteWindow::FontSizeSlider_ValueChanged() {
    if (showingIndicators_) return;
    setFontSizeIndicators(FontSizeSlider->Value);
}
