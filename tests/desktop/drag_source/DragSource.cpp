// A stand-in for a file manager in the desktop tests: a window titled
// "Drag Source" showing one file (named on the command line); pressing the
// mouse on it and moving drags that file out, to any program on the display,
// through the same X drag-and-drop a file manager uses. Built on our own
// framework, so it drags the way the framework drags.
#include "framework/ui/Application.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/Window.h"
#include "framework/ui/controls/StaticText.h"

#include <cstdio>
#include <string>

namespace {

std::string& draggedPath() {
    static std::string path;
    return path;
}

class DragSourceWindow : public Window {
public:
    DragSourceWindow() {
        Title = std::string("Drag Source");
        Width = 220;
        Height = 80;
        Left = 900;
        Top = 600;
        auto* file = add<StaticText>("draggedFile");
        file->Left = 10;
        file->Top = 10;
        file->Width = 200;
        file->Height = 60;
        file->Text = draggedPath();
        file->MouseDown = [this](int32_t, int32_t) {
            auto item = NewDragItem(0, 0, Width.get(), Height.get());
            item->setFilePath(draggedPath());
            item->Drag();
            // The drag is over only once the target has answered the drop:
            // the driver reads this line before it looks at the target.
            std::printf("drag ended\n");
            std::fflush(stdout);
            return true;
        };
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    draggedPath() = argv[1];
    Runtime::StartupSteps steps;
    steps.newAppInstance = [] { return std::make_unique<Application>(); };
    steps.makeDefaultView = [] { (void)implicitInstance<DragSourceWindow>(); };
    return Runtime::run(argc, argv, steps);
}
