#include "utility_windows/about/AboutBox.h"

#include "app/Larderwise.h"
#include "app/LarderwiseSplash.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/dialogs/UiService.h"
#include "framework/graphics/Color.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/controls/StaticText.h"
#include "utility_windows/about/AboutTexts.h"

namespace {

StaticText& label(Window& window, const std::string& name, int32_t left, int32_t top, int32_t width,
                  int32_t height) {
    auto* text = window.add<StaticText>(name);
    text->Left = left;
    text->Top = top;
    text->Width = width;
    text->Height = height;
    return *text;
}

}  // namespace

AboutBox& aboutBox() { return implicitInstance<AboutBox>(); }

AboutBox::AboutBox() {
    Layout();
    _CreateControls0();
}

void AboutBox::Layout() {
    // The picture is set first: the controls are laid over it.
    Backdrop = larderwiseSplash();
    Width = 500;
    Height = 385;
    MinWidth = 400;
    MinHeight = 175;
    MaxWidth = 32000;
    MaxHeight = 32000;
    Title = std::string();
    Frame = static_cast<int32_t>(FixedFrame);
    Resizeable = false;
    CloseButton = true;
    HasBackColor = false;
    MenuBarVisible = true;
    Visible = false;  // the About command shows it
}

void AboutBox::_CreateControls0() {
    StaticText& link = label(*this, "StaticText1", 20, 363, 154, 12);
    link.Text = std::string(AboutTexts::kWebAddress);
    link.TextFont = std::string("System");
    link.TextSize = 9;
    link.Underline = true;
    link.TextColor = RGB(204, 205, 255);
    link.TextAlign = 0;
    link.Multiline = false;
    StaticText1 = &link;

    StaticText& credits = label(*this, "StaticText2", 20, 13, 303, 52);
    credits.Text = AboutTexts::credits();
    credits.TextFont = std::string("SmallSystem");
    credits.TextSize = 9;
    credits.TextColor = 0x000000;
    credits.TextAlign = 0;
    credits.Multiline = true;
    StaticText2 = &credits;

    StaticText& version = label(*this, "verFld", 351, 70, 129, 12);
    version.Text = std::string("Version n.nn");
    version.TextFont = std::string("System");
    version.TextSize = 9;
    version.TextColor = 0x000000;
    version.TextAlign = 2;
    version.Multiline = false;
    verFld = versionLine = &version;

    StaticText& three = label(*this, "StaticText3", 274, 139, 49, 55);
    three.Text = std::string("3");
    three.TextFont = std::string("System");
    three.TextSize = 48;
    three.Bold = true;
    three.TextColor = RGB(229, 217, 196);
    three.TextAlign = 0;
    three.Multiline = false;
    StaticText3 = &three;

    link.MouseDown = [this](int32_t x, int32_t y) { return StaticText1_MouseDown(x, y); };
    link.MouseUp = [this](int32_t x, int32_t y) { StaticText1_MouseUp(x, y); };
}

bool AboutBox::StaticText1_MouseDown(int32_t, int32_t) {
    // Claiming the press brings this click's release here, wherever it is.
    return true;
}

void AboutBox::StaticText1_MouseUp(int32_t, int32_t) {
    // Without a browser to hand the page to, the click would seem to do
    // nothing: the user is told, with the address to open elsewhere.
    if (!uiService().openURL(AboutTexts::kWebAddress)) MsgBox(AboutTexts::pageNotOpenedMessage());
}

bool AboutBox::Event_MouseDown(int32_t, int32_t) { return true; }

void AboutBox::Event_Open() {
    verFld->Text = AboutTexts::versionLine(Application::MajorVersion(), Application::MinorVersion(),
                                           Application::BugVersion(), App().stageType);
}
