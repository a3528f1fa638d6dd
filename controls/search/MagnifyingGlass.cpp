#include "controls/search/MagnifyingGlass.h"

#include <filesystem>

#include "framework/graphics/Picture.h"
#include "framework/runtime/Application.h"

std::shared_ptr<Picture> MagnifyingGlass() {
    // The executable sits in bin/; Resources/ is its sibling, installed and
    // in the build tree alike.
    static const std::shared_ptr<Picture> picture = [] {
        const std::filesystem::path executable(Application::ExecutableFilePath());
        const std::filesystem::path file = executable.parent_path().parent_path() / "Resources" / "MagnifyingGlass.png";
        return Picture::fromFile(file.string());
    }();
    return picture;
}
