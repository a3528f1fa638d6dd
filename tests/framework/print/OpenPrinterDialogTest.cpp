#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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
    chosen.collate = false;
    chosen.reverse = true;
    ui->expectPrinterDialog(chosen);
    PrinterSetup setup;

    auto g = OpenPrinterDialog(setup);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Copies, 3);
    EXPECT_EQ(g->FirstPage, 2);
    EXPECT_EQ(g->LastPage, 5);
    EXPECT_FALSE(g->Collate);
    EXPECT_TRUE(g->Reverse);
    // The order is the job's, not the page format's.
    EXPECT_TRUE(setup.Settings().collate);
    EXPECT_FALSE(setup.Settings().reverse);
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

TEST(OpenPrinterDialog, APdfJobSaysWhenItsFileCouldNotBeWritten) {
    QTemporaryDir dir;
    const std::string good = dir.filePath("good.pdf").toStdString();
    {
        auto g = startPrintJob(toFile(good));
        EXPECT_TRUE(g->EndJob());  // nothing drawn: no file, no failure
        EXPECT_FALSE(QFile::exists(QString::fromStdString(good)));
    }
    auto g = startPrintJob(toFile(good));
    g->DrawString("Soup", 10, 20);
    EXPECT_TRUE(g->EndJob());
    EXPECT_EQ(g->Failure(), "");
    EXPECT_EQ(pdfPageCount(good), 1);

    // No such folder: the file cannot be made. /dev/full: every write fails as on a full disk.
    const std::string missing = dir.filePath("no/such/folder.pdf").toStdString();
    for (const std::string& path : {missing, std::string("/dev/full")}) {
        auto failing = startPrintJob(toFile(path));
        failing->DrawString("Soup", 10, 20);
        failing->NextPage();
        failing->DrawString("More soup", 10, 20);
        EXPECT_FALSE(failing->EndJob()) << path;
        EXPECT_NE(failing->Failure().find(path), std::string::npos) << failing->Failure();
        EXPECT_FALSE(failing->EndJob()) << "ending twice keeps the failure";
    }
}
