#include <gtest/gtest.h>

#include "framework/print/PrinterSetup.h"
#include "tests/support/ScriptedUiService.h"

namespace {

PrintSettings letter(double margin) {
    PrintSettings s;
    s.paperName = "Letter";
    s.marginLeft = s.marginTop = s.marginRight = s.marginBottom = margin;
    return s;
}

}  // namespace

TEST(PrinterSetup, GeometryIsInPointsWithThePaperCornerAtMinusTheMargins) {
    PrinterSetup setup(letter(36));
    EXPECT_EQ(setup.PageWidth(), 612);
    EXPECT_EQ(setup.PageHeight(), 792);
    EXPECT_EQ(setup.Left(), -36);
    EXPECT_EQ(setup.Top(), -36);
    EXPECT_EQ(setup.Width(), 540);
    EXPECT_EQ(setup.Height(), 720);

    PrintSettings wide = letter(0);
    wide.landscape = true;
    wide.marginLeft = 18;
    PrinterSetup landscape(wide);
    EXPECT_EQ(landscape.PageWidth(), 792);
    EXPECT_EQ(landscape.Left(), -18);
    EXPECT_EQ(landscape.Top(), 0);
    EXPECT_EQ(landscape.Width(), 774);
    EXPECT_EQ(landscape.Height(), 612);
}

TEST(PrinterSetup, DefaultsAreAPortraitPageWithMargins) {
    PrinterSetup setup;
    EXPECT_FALSE(setup.Settings().landscape);
    EXPECT_LT(setup.Left(), 0);
    EXPECT_GT(setup.Width(), 400);
    EXPECT_GT(setup.Height(), setup.Width());
    EXPECT_EQ(setup.Width() - setup.Left() * 2, setup.PageWidth());
}

TEST(PrinterSetup, ConfirmedPageSetupReplacesTheSettingsAndCancelKeepsThem) {
    ScopedScriptedUi ui;
    PrinterSetup setup(letter(36));

    ui->expectPageSetup(std::nullopt);
    EXPECT_FALSE(setup.PageSetupDialog());
    EXPECT_EQ(setup.Width(), 540);

    PrintSettings chosen = letter(72);
    chosen.copies = 3;  // a job's value, not the page format's
    chosen.firstPage = 2;
    ui->expectPageSetup(chosen);
    EXPECT_TRUE(setup.PageSetupDialog());
    EXPECT_EQ(setup.Left(), -72);
    EXPECT_EQ(setup.Width(), 468);
    EXPECT_EQ(setup.Settings().copies, 1);
    EXPECT_EQ(setup.Settings().firstPage, 1);
    EXPECT_EQ(setup.Settings().lastPage, 9999);
}

TEST(PrinterSetup, SetupStringKeepsThePageFormat) {
    PrintSettings s = letter(0);
    s.landscape = true;
    s.marginLeft = 12.5;
    s.marginBottom = 0.1;
    s.printerName = "Kitchen\nLaser";
    s.copies = 4;
    PrinterSetup original(s);

    PrinterSetup restored;
    ASSERT_TRUE(restored.SetSetupString(original.SetupString()));
    EXPECT_EQ(restored.Settings().paperName, "Letter");
    EXPECT_TRUE(restored.Settings().landscape);
    EXPECT_EQ(restored.Settings().marginLeft, 12.5);
    EXPECT_EQ(restored.Settings().marginBottom, 0.1);
    EXPECT_EQ(restored.Settings().printerName, "Kitchen Laser");
    EXPECT_EQ(restored.Settings().copies, 1);
    EXPECT_EQ(restored.Left(), -12);
    EXPECT_EQ(restored.SetupString(), original.SetupString());
}

TEST(PrinterSetup, ForeignOrDamagedSetupStringsChangeNothingHarmful) {
    PrinterSetup setup(letter(36));
    const std::string before = setup.SetupString();
    EXPECT_FALSE(setup.SetSetupString(""));
    EXPECT_FALSE(setup.SetSetupString("paper=A4\n"));
    EXPECT_FALSE(setup.SetSetupString(std::string("\0\x01\xff", 3)));
    EXPECT_EQ(setup.SetupString(), before);

    // Our header with nonsense values: those values are ignored, the rest is read.
    std::string text = before;
    for (auto [key, value] : {std::pair{"marginLeft=36", "marginLeft=-5"}, {"marginTop=36", "marginTop=nan"},
                              {"marginRight=36", "marginRight=1e300"}, {"orientation=portrait", "orientation=up"}})
        text.replace(text.find(key), std::string(key).size(), value);
    text += "noEquals\nunknown=1\nmarginBottom=20\n";
    ASSERT_TRUE(setup.SetSetupString(text));
    EXPECT_EQ(setup.Settings().marginLeft, 36);
    EXPECT_EQ(setup.Settings().marginTop, 36);
    EXPECT_EQ(setup.Settings().marginRight, 36);
    EXPECT_FALSE(setup.Settings().landscape);
    EXPECT_EQ(setup.Settings().marginBottom, 20);
}
