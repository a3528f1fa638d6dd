#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>

#include "framework/graphics/FontFamilies.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/ImageGraphics.h"
#include "tests/framework/graphics/PixelProbe.h"

namespace {

QString defaultFamily() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(); }

// The topmost and bottommost rows holding ink, or -1.
std::pair<int, int> inkRows(const QImage& image, Color ink) {
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (colorAt(image, x, y) == ink) {
                if (top < 0) top = y;
                bottom = y;
            }
    return {top, bottom};
}

}  // namespace

TEST(FontMapping, SystemNamesAndDefaultSizes) {
    const QFont system = resolveFont("System", 0);
    EXPECT_EQ(system.family(), defaultFamily());
    EXPECT_EQ(system.pixelSize(), 13);
    EXPECT_EQ(resolveFont("SmallSystem", 0).pixelSize(), 11);
    EXPECT_EQ(resolveFont("smallsystem", 0).pixelSize(), 11);
    EXPECT_EQ(resolveFont("SMALLSYSTEM", 0).family(), defaultFamily());
    EXPECT_EQ(resolveFont("SystemFont", 0).family(), defaultFamily());
    EXPECT_EQ(resolveFont("No Such Font Anywhere", 0).family(), defaultFamily());
    EXPECT_EQ(resolveFont("Geneva", 9).family(), defaultFamily());
}

TEST(FontMapping, SizesArePixels) {
    EXPECT_EQ(resolveFont("System", 18).pixelSize(), 18);
    EXPECT_EQ(resolveFont("Geneva", 9).pixelSize(), 9);
    EXPECT_EQ(resolveFont("Courier", 0).pixelSize(), 12);
    EXPECT_EQ(resolveFont("System", -3).pixelSize(), 13);  // nonsense sizes fall back to the default
    EXPECT_EQ(resolveFont("System", 14.75).pixelSize(), 14);
    EXPECT_EQ(QFontInfo(resolveFont("System", 24)).pixelSize(), 24);
}

TEST(FontMapping, StylesAndFixedPitch) {
    const QFont f = resolveFont("System", 12, true, true, true);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_TRUE(QFontInfo(resolveFont("Courier", 12)).fixedPitch());
}

TEST(FontMapping, InstalledFamiliesAreMatchedIgnoringCase) {
    const std::vector<std::string> families = installedFontFamilies();
    ASSERT_FALSE(families.empty());
    const std::string& first = families.front();
    QString upper = QString::fromStdString(first).toUpper();
    EXPECT_EQ(resolveFont(upper.toStdString(), 12).family().toStdString(), first);
}

TEST(DrawString, YIsTheBaseline) {
    QImage image = whiteImage(80, 40);
    ImageGraphics g(image);
    g.ForeColor = 0x000000;
    g.TextSize = 20;
    g.DrawString("HHH", 2, 30);
    // Capital letters stand on the baseline: their lowest ink is the row
    // just above it, and they reach up by about the cap height.
    const auto [top, bottom] = inkRows(image, 0x000000);
    EXPECT_EQ(bottom, 29);
    EXPECT_GT(top, 30 - 20);
    EXPECT_LT(top, 22);
}

TEST(DrawString, WrapBreaksAtBlanksWithinTheWidth) {
    QImage image = whiteImage(200, 100);
    ImageGraphics g(image);
    g.ForeColor = 0x000000;
    const int wrap = static_cast<int>(g.StringWidth("word word")) + 1;
    g.DrawString("word word word word", 0, 15, wrap);
    const auto [top, bottom] = inkRows(image, 0x000000);
    // Two lines, one line height apart.
    EXPECT_GE(bottom, 15 + g.TextHeight() - 2);
    for (int y = 0; y < image.height(); ++y)
        for (int x = wrap + 1; x < image.width(); ++x) ASSERT_NE(colorAt(image, x, y), 0x000000u) << x << "," << y;
    QImage single = whiteImage(200, 100);
    ImageGraphics s(single);
    s.DrawString("word word word word", 0, 15);
    EXPECT_LT(inkRows(single, 0x000000).second, 15 + 5);  // no wrap: one line
}

TEST(DrawString, LineBreaksAlwaysBreak) {
    QImage image = whiteImage(100, 80);
    ImageGraphics g(image);
    g.DrawString("one\rtwo\r\nthree\nfour", 0, 12);
    EXPECT_GE(inkRows(image, 0x000000).second, 12 + 3 * g.TextHeight() - 4);
}

TEST(DrawString, MeasuresWithTheCurrentFont) {
    QImage image = whiteImage(1, 1);
    ImageGraphics g(image);
    g.TextSize = 10;
    const double small = g.StringWidth("Larder");
    g.TextSize = 20;
    EXPECT_GT(g.StringWidth("Larder"), small * 1.6);
    g.Bold = true;
    EXPECT_GE(g.StringWidth("Larder"), g.StringWidth("Larde"));
    EXPECT_EQ(g.StringWidth(""), 0);
    EXPECT_GE(g.TextHeight(), 20);
    EXPECT_LE(g.TextAscent(), g.TextHeight());
}
