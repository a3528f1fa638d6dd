#include "controls/search/MagnifyingGlass.h"

#include <filesystem>

#include "framework/graphics/Picture.h"
#include "framework/ui/ResourcesFolder.h"

namespace {
std::shared_ptr<Picture>& cached() {
    static std::shared_ptr<Picture> picture;
    return picture;
}
}  // namespace

std::shared_ptr<Picture> MagnifyingGlass() {
    std::shared_ptr<Picture>& picture = cached();
    if (!picture) {
        picture = Picture::fromFile((std::filesystem::path(resourcesFolder()) / "MagnifyingGlass.png").string());
    }
    return picture;
}

void releaseMagnifyingGlass() { cached().reset(); }
