#include "controls/search/MagnifyingGlass.h"

#include <filesystem>

#include "framework/graphics/Picture.h"
#include "framework/ui/Application.h"

namespace {
std::shared_ptr<Picture>& cached() {
    static std::shared_ptr<Picture> picture;
    return picture;
}
}  // namespace

std::shared_ptr<Picture> MagnifyingGlass() {
    std::shared_ptr<Picture>& picture = cached();
    if (!picture) {
        // The executable sits in bin/; Resources/ is its sibling, installed
        // and in the build tree alike.
        const std::filesystem::path executable(Application::ExecutableFilePath());
        const std::filesystem::path file = executable.parent_path().parent_path() / "Resources" / "MagnifyingGlass.png";
        picture = Picture::fromFile(file.string());
    }
    return picture;
}

void releaseMagnifyingGlass() { cached().reset(); }
