#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "framework/print/OpenPrinterDialog.h"
#include "framework/print/PrinterSetup.h"
#include "tests/framework/print/PdfPages.h"
#include "tests/support/ScriptedUiService.h"

namespace {

PrintSettings toFile(const std::string& path) {
    PrintSettings s;
    s.paperName = "Letter";
    s.outputFile = path;
    return s;
}

}  // namespace

TEST(OpenPrinterDialog, CancelGivesNoGraphicsAndKeepsTheSetup) {
    ScopedScriptedUi ui;
    PrinterSetup setup;
    const std::string before = setup.SetupString();
    ui->expectPrinterDialog(std::nullopt);
    EXPECT_EQ(OpenPrinterDialog(setup), nullptr);
    EXPECT_EQ(setup.SetupString(), before);
}

TEST(OpenPrinterDialog, ConfirmedDialogGivesAJobWithItsCopiesAndPagesAndThePaperForTheSetup) {
    QTemporaryDir dir;
    ScopedScriptedUi ui;
    PrintSettings chosen = toFile(dir.filePath("out.pdf").toStdString());
    chosen.landscape = true;
    chosen.copies = 3;
    chosen.firstPage = 2;
    chosen.lastPage = 5;
    ui->expectPrinterDialog(chosen);
    PrinterSetup setup;

    auto g = OpenPrinterDialog(setup);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Copies, 3);
    EXPECT_EQ(g->FirstPage, 2);
    EXPECT_EQ(g->LastPage, 5);
    // The layout read from the setup fits the sheets of the job.
    EXPECT_TRUE(setup.Settings().landscape);
    EXPECT_EQ(setup.Settings().copies, 1);
    EXPECT_EQ(g->Width(), setup.Width());
    EXPECT_EQ(g->Height(), setup.Height());
    EXPECT_EQ(setup.Width(), 792 - 72);
}

TEST(OpenPrinterDialog, NonsenseRangesAndCopiesAreMadeSafe) {
    ScopedScriptedUi ui;
    PrintSettings chosen = toFile("");
    chosen.copies = 0;
    chosen.firstPage = 4;
    chosen.lastPage = 2;
    ui->expectPrinterDialog(chosen);
    PrinterSetup setup;
    auto g = OpenPrinterDialog(setup);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Copies, 1);
    EXPECT_EQ(g->FirstPage, 4);
    EXPECT_EQ(g->LastPage, 4);
    g->EndJob();
}

TEST(OpenPrinterDialog, APdfJobHasOneSheetPerPage) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("three.pdf").toStdString();
    PrintSettings settings = toFile(path);
    {
        auto g = startPrintJob(settings);
        g->DrawString("one", 10, 20);
        g->NextPage();
        g->DrawString("two", 10, 20);
        g->NextPage();
        g->DrawLine(0, 0, 10, 10);
    }
    EXPECT_EQ(pdfPageCount(path), 3);
}
