#include "utility_windows/about/AboutBox.h"

#include "app/Larderwise.h"
#include "app/LarderwiseSplash.h"
#include "framework/runtime/ImplicitWindows.h"
#include "framework/ui/controls/MinimalControls.h"
#include "framework/ui/controls/StaticText.h"

AboutBox::AboutBox() {
    Title = std::string("About Larderwise");
    Width = 320;
    Height = 170;
    Frame = static_cast<int32_t>(FixedFrame);
    Resizeable = false;
    CloseButton = true;
    Visible = false;

    auto* splash = add<ImageWell>("splash");
    splash->Left = 0;
    splash->Top = 0;
    splash->Width = 320;
    splash->Height = 120;
    splash->Image = larderwiseSplash();

    versionLine = add<StaticText>("versionLine");
    versionLine->Left = 20;
    versionLine->Top = 136;
    versionLine->Width = 280;
    versionLine->Height = 20;
    Open = [this] {
        versionLine->Text = "Version " + std::to_string(Application::MajorVersion()) + "." +
                            std::to_string(Application::MinorVersion()) + "." +
                            std::to_string(Application::BugVersion()) + " " + App().stageType;
    };
}

AboutBox& aboutBox() { return implicitInstance<AboutBox>(); }
