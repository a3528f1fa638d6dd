#include "utility_windows/about/AboutBox.h"

#include "app/Larderwise.h"
#include "framework/runtime/ImplicitWindows.h"
#include "framework/ui/controls/StaticText.h"

AboutBox::AboutBox() {
    Title = std::string("About Larderwise");
    Width = 320;
    Height = 120;
    Frame = static_cast<int32_t>(FixedFrame);
    Resizeable = false;
    CloseButton = true;
    Visible = false;

    auto* name = add<StaticText>("appName");
    name->Left = 20;
    name->Top = 20;
    name->Width = 280;
    name->Height = 24;
    name->TextSize = 18;
    name->Bold = true;
    name->Text = std::string("Larderwise");

    versionLine = add<StaticText>("versionLine");
    versionLine->Left = 20;
    versionLine->Top = 56;
    versionLine->Width = 280;
    versionLine->Height = 20;
    Open = [this] {
        versionLine->Text = "Version " + std::to_string(Application::MajorVersion()) + "." +
                            std::to_string(Application::MinorVersion()) + "." +
                            std::to_string(Application::BugVersion()) + " " + App().stageType;
    };
}

AboutBox& aboutBox() { return implicitInstance<AboutBox>(); }
