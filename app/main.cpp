// The process entry point: the framework runtime runs the start-up steps and
// the event loop. Until the application shell exists, an empty main window
// stands in for it; closing it quits.
#include "framework/runtime/Application.h"
#include "framework/runtime/ImplicitWindows.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/Window.h"

namespace {
class StartWindow : public Window {
public:
    StartWindow() {
        Title = std::string("Larderwise");
        Width = 640;
        Height = 480;
        Visible = false;
        Close = [] { Quit(0); };
    }
};
}  // namespace

int main(int argc, char** argv) {
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] {
        auto app = std::make_unique<Application>();
        app->Open = [] { implicitInstance<StartWindow>().Show(); };
        return app;
    };
    steps.makeDefaultView = [] { implicitInstance<StartWindow>(); };
    return Runtime::run(argc, argv, steps);
}
