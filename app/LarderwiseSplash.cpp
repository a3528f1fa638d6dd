#include "app/LarderwiseSplash.h"

#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"

namespace {
std::shared_ptr<Picture>& cached() {
    static auto* holder = new std::shared_ptr<Picture>;  // released explicitly at exit
    return *holder;
}

// A cream card with a green band and the program's name.
std::shared_ptr<Picture> drawSplash() {
    auto picture = NewPicture(320, 120);
    if (!picture) return nullptr;
    ::Graphics& g = *picture->Graphics();
    g.ForeColor = 0xFBF5E6;
    g.FillRect(0, 0, 320, 120);
    g.ForeColor = 0x4E7D3A;
    g.FillRect(0, 92, 320, 28);
    g.ForeColor = 0x3B2A1A;
    g.TextFont = "System";
    g.TextSize = 34;
    g.Bold = true;
    g.DrawString("Larderwise", 24, 62);
    g.ForeColor = 0xFFFFFF;
    g.TextSize = 13;
    g.Bold = false;
    g.DrawString("Your recipes, kept.", 24, 111);
    return picture;
}
}  // namespace

std::shared_ptr<Picture> larderwiseSplash() {
    if (!cached()) cached() = drawSplash();
    return cached();
}

void releaseLarderwiseSplash() { cached().reset(); }
