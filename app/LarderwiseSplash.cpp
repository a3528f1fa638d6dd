#include "app/LarderwiseSplash.h"

#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"

namespace {
std::shared_ptr<Picture>& cached() {
    static auto* holder = new std::shared_ptr<Picture>;  // released explicitly at exit
    return *holder;
}

// The about window lays its texts over this picture, so the picture keeps
// plain ground where they sit: the credits (top left) and the version line
// (top right) are black on cream, the big "3" is beige on the green band
// and reads as the end of the name drawn there, and the light link at the
// bottom left sits on the dark foot.
constexpr Color kCream = 0xFBF5E6;
constexpr Color kBand = 0x2E4F2A;
constexpr Color kBandLine = 0xC8553D;
constexpr Color kPantry = 0xF1E6CF;
constexpr Color kWood = 0x8A5A35;
constexpr Color kWoodShade = 0x6A4226;
constexpr Color kFoot = 0x2B1E14;
constexpr Color kTitle = 0xFBF5E6;
constexpr Color kTagline = 0xE5D9C4;

constexpr int32_t kBandTop = 100;
constexpr int32_t kBandBottom = 216;
constexpr int32_t kFootTop = 350;
constexpr int32_t kShelfTop = 300;
// The name ends here, just before the window's "3" at x 274; its baseline
// is the "3"'s.
constexpr int32_t kTitleRight = 262;
constexpr int32_t kTitleBaseline = 184;

void drawGrounds(::Graphics& g) {
    g.ForeColor = kCream;
    g.FillRect(0, 0, kSplashWidth, kBandTop);
    g.ForeColor = kBandLine;
    g.FillRect(0, kBandTop - 4, kSplashWidth, 4);
    g.ForeColor = kBand;
    g.FillRect(0, kBandTop, kSplashWidth, kBandBottom - kBandTop);
    g.ForeColor = kBandLine;
    g.FillRect(0, kBandBottom, kSplashWidth, 4);
    g.ForeColor = kPantry;
    g.FillRect(0, kBandBottom + 4, kSplashWidth, kFootTop - kBandBottom - 4);
    g.ForeColor = kFoot;
    g.FillRect(0, kFootTop, kSplashWidth, kSplashHeight - kFootTop);
}

// The largest bold size (at most 44) at which the name fits left of the "3".
void drawTitle(::Graphics& g) {
    g.TextFont = "System";
    g.Bold = true;
    const int32_t room = kTitleRight - 24;
    int32_t size = 44;
    for (; size > 16; --size) {
        g.TextSize = size;
        if (g.StringWidth("Larderwise") <= room) break;
    }
    g.ForeColor = kTitle;
    g.DrawString("Larderwise", kTitleRight - static_cast<int32_t>(g.StringWidth("Larderwise")), kTitleBaseline);
}

struct Jar {
    int32_t width, height;
    Color contents;
};

// A jar standing on the shelf at x: glass, contents, lid and a paper label.
void drawJar(::Graphics& g, int32_t x, const Jar& jar) {
    const int32_t top = kShelfTop - jar.height;
    g.ForeColor = 0xDCE6E4;
    g.FillRoundRect(x, top + 6, jar.width, jar.height - 6, 10, 10);
    g.ForeColor = jar.contents;
    g.FillRoundRect(x + 3, top + jar.height / 3, jar.width - 6, jar.height - jar.height / 3 - 3, 8, 8);
    g.ForeColor = 0x5A4632;
    g.FillRect(x + 3, top, jar.width - 6, 8);
    g.ForeColor = 0xFFFDF6;
    g.FillRect(x + 7, top + jar.height / 2, jar.width - 14, 12);
    g.ForeColor = 0x9C8B72;
    g.DrawRect(x + 7, top + jar.height / 2, jar.width - 14, 12);
}

void drawShelf(::Graphics& g) {
    static const Jar jars[] = {
        {40, 58, 0xC8553D}, {34, 44, 0xE0A526}, {46, 66, 0x6B8E23}, {36, 50, 0x7B4B6A},
        {42, 60, 0xD9A441}, {34, 40, 0xB5651D}, {44, 54, 0x8FB339}, {38, 62, 0x9E2A2B},
    };
    int32_t x = 36;
    for (const Jar& jar : jars) {
        drawJar(g, x, jar);
        x += jar.width + 12;
    }
    g.ForeColor = kWood;
    g.FillRect(20, kShelfTop, kSplashWidth - 40, 9);
    g.ForeColor = kWoodShade;
    g.FillRect(20, kShelfTop + 9, kSplashWidth - 40, 3);
    g.FillRect(60, kShelfTop + 12, 8, 22);
    g.FillRect(kSplashWidth - 68, kShelfTop + 12, 8, 22);
}

// Right of the link, which ends at x 174.
void drawTagline(::Graphics& g) {
    g.TextFont = "System";
    g.Bold = false;
    g.Italic = true;
    g.TextSize = 12;
    g.ForeColor = kTagline;
    const std::string tagline = "Your recipes, kept.";
    g.DrawString(tagline, kSplashWidth - 20 - static_cast<int32_t>(g.StringWidth(tagline)), 373);
    g.Italic = false;
}

std::shared_ptr<Picture> drawSplash() {
    auto picture = NewPicture(kSplashWidth, kSplashHeight);
    if (!picture) return nullptr;
    ::Graphics& g = *picture->Graphics();
    drawGrounds(g);
    drawTitle(g);
    drawShelf(g);
    drawTagline(g);
    return picture;
}
}  // namespace

std::shared_ptr<Picture> larderwiseSplash() {
    if (!cached()) cached() = drawSplash();
    return cached();
}

void releaseLarderwiseSplash() { cached().reset(); }
