// The picture behind the about window: it fills the window and leaves plain
// ground, in a colour the text reads well on, wherever a text is laid over it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "app/LarderwiseSplash.h"
#include "framework/graphics/Color.h"
#include "framework/graphics/Picture.h"
#include "framework/ui/controls/StaticText.h"
#include "tests/support/PicturePixels.h"
#include "tests/utility_windows/StartedLarderwise.h"
#include "utility_windows/about/AboutBox.h"

namespace {

double luminance(Color c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(redOf(c)) + 0.7152 * channel(greenOf(c)) + 0.0722 * channel(blueOf(c));
}

// The usual contrast ratio, 1 (none) to 21 (black on white).
double contrast(Color a, Color b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colours of the picture under a text, with a 2-pixel margin around it.
std::set<Color> groundUnder(const Picture& splash, const StaticText& text) {
    std::set<Color> colours;
    const int32_t right = std::min(splash.Width(), text.Left.get() + text.Width.get() + 2);
    const int32_t bottom = std::min(splash.Height(), text.Top.get() + text.Height.get() + 2);
    for (int32_t y = std::max(0, text.Top.get() - 2); y < bottom; ++y)
        for (int32_t x = std::max(0, text.Left.get() - 2); x < right; ++x) colours.insert(pictureRgbAt(splash, x, y));
    return colours;
}

using AboutSplash = StartedLarderwise;

}  // namespace

TEST_F(AboutSplash, FillsTheWindowAndLeavesPlainGroundUnderEveryText) {
    AboutBox& about = aboutBox();
    std::shared_ptr<Picture> splash = larderwiseSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->Width(), about.Width.get());
    EXPECT_EQ(splash->Height(), about.Height.get());

    struct Laid {
        StaticText* text;
        double leastContrast;  // the big "3" is large type, which needs less
    };
    for (const Laid& laid : {Laid{about.StaticText1, 4.5}, Laid{about.StaticText2, 4.5}, Laid{about.verFld, 4.5},
                             Laid{about.StaticText3, 3.0}}) {
        SCOPED_TRACE(laid.text->Name());
        const std::set<Color> ground = groundUnder(*splash, *laid.text);
        ASSERT_EQ(ground.size(), 1u) << "something is drawn under the text";
        EXPECT_GE(contrast(*ground.begin(), laid.text->TextColor.get()), laid.leastContrast);
    }
}
