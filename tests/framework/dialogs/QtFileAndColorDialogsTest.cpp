#include <gtest/gtest.h>

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

#include "framework/dialogs/FileDialogs.h"
#include "framework/dialogs/QtFileDialogs.h"
#include "framework/dialogs/QtPrintSettings.h"
#include "framework/dialogs/QtUiService.h"
#include "tests/framework/dialogs/ModalAnswer.h"

namespace {

// What a user does: types the path into the name field and presses the
// action button (the dialog's file list fills itself asynchronously).
void typeAndAccept(QFileDialog& dialog, const QString& path) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog&>(dialog).accept();
}

TEST(QtFileDialogs, NameFiltersOfferBothLetterCases) {
    EXPECT_EQ(qtNameFilter({"REALSQLDatabase", {"*.rsd", "*.RBD"}}), "REALSQLDatabase (*.rsd *.RSD *.RBD *.rbd)");
    EXPECT_EQ(qtNameFilter({"Anything", {}}), "Anything (*)");
}

TEST(QtFileDialogs, WithoutARegistryEachTypeNameAdmitsEveryFile) {
    auto filters = resolveFileFilter("REALSQLDatabase;Text;");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[1].name, "Text");
    EXPECT_TRUE(filters[1].patterns.empty());
}

TEST(QtFileDialogs, OpenDialogShowsOurCaptionsAndPrompt) {
    FileDialogRequest request;
    request.promptText = "Choose a backup to restore";
    request.actionButtonCaption = "Restore";
    request.cancelButtonCaption = "Abort";
    request.filters = {{"REALSQLDatabase", {"*.rsd"}}};
    auto dialog = buildOpenDialog(request, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Choose a backup to restore");
    EXPECT_EQ(dialog->labelText(QFileDialog::Accept), "Restore");
    EXPECT_EQ(dialog->labelText(QFileDialog::Reject), "Abort");
    EXPECT_EQ(dialog->nameFilters(), QStringList{"REALSQLDatabase (*.rsd *.RSD)"});
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
}

TEST(QtFileDialogs, RealServiceReturnsTheChosenPathOrNothing) {
    QTemporaryDir folder;
    const QString path = folder.filePath("backup.rsd");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    QtUiService service;
    FileDialogRequest request;
    request.initialDirectory = folder.path().toStdString();
    answerNextModal<QFileDialog>([&](QFileDialog& dialog) { typeAndAccept(dialog, path); });
    EXPECT_EQ(service.openFile(request), path.toStdString());

    answerNextModal<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(service.openFile(request), std::nullopt);

    request.suggestedFileName = "Recipes.txt";
    answerNextModal<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("fileNameEdit")->text(), "Recipes.txt");
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_EQ(service.saveFile(request), folder.filePath("Recipes.txt").toStdString());
}

TEST(QtColorDialog, StartsAtTheColourAndWritesBackOnlyOnOK) {
    QtUiService service;
    uint32_t color = 0x112233;
    answerNextModal<QColorDialog>([](QColorDialog& dialog) {
        EXPECT_EQ(dialog.currentColor().rgb() & 0xFFFFFF, 0x112233u);
        EXPECT_EQ(dialog.windowTitle(), "Choose a color for the text:");
        dialog.setCurrentColor(QColor(0xAA, 0xBB, 0xCC));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_TRUE(service.selectColor(color, "Choose a color for the text:"));
    EXPECT_EQ(color, 0xAABBCCu);

    answerNextModal<QColorDialog>([](QColorDialog& dialog) {
        dialog.setCurrentColor(Qt::red);
        dialog.reject();
    });
    EXPECT_FALSE(service.selectColor(color, "Choose a color for the text:"));
    EXPECT_EQ(color, 0xAABBCCu);
}

TEST(QtPrintDialogs, CancelLeavesTheSettingsAndOKReadsThemBack) {
    QtUiService service;
    PrintSettings settings;
    settings.paperName = "Letter";
    answerNextModal<QPageSetupDialog>([](QPageSetupDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(service.pageSetup(settings));
    EXPECT_EQ(settings.paperName, "Letter");

    answerNextModal<QPageSetupDialog>([](QPageSetupDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(service.pageSetup(settings));
    EXPECT_EQ(settings.paperName, "Letter");

    settings.copies = 3;
    answerNextModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(service.printerDialog(settings));
    EXPECT_EQ(settings.copies, 3);
}

TEST(QtPrintDialogs, ACustomPaperFromThePageSetupSurvivesThePrintDialog) {
    QtUiService service;
    PrintSettings settings;
    settings.paperName = "Custom.100x150mm";
    settings.marginLeft = 3;
    settings.outputFile = "recipe.pdf";
    answerNextModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    ASSERT_TRUE(service.printerDialog(settings));
    EXPECT_EQ(settings.paperName, "Custom.100x150mm");
    EXPECT_DOUBLE_EQ(settings.marginLeft, 3);
}

TEST(QtPrintSettings, SurviveARoundTripThroughAPrinter) {
    PrintSettings settings;
    settings.paperName = "Letter";
    settings.landscape = true;
    settings.marginLeft = 18;
    settings.copies = 2;
    settings.firstPage = 2;
    settings.lastPage = 3;
    QPrinter printer;
    applyPrintSettings(settings, printer);
    PrintSettings back;
    readPrintSettings(printer, back);
    EXPECT_EQ(back.paperName, "Letter");
    EXPECT_TRUE(back.landscape);
    EXPECT_DOUBLE_EQ(back.marginLeft, 18);
    EXPECT_EQ(back.copies, 2);
    EXPECT_EQ(back.firstPage, 2);
    EXPECT_EQ(back.lastPage, 3);
    EXPECT_TRUE(back.collate);
    EXPECT_FALSE(back.reverse);

    settings.collate = false;
    settings.reverse = true;
    applyPrintSettings(settings, printer);
    readPrintSettings(printer, back);
    EXPECT_FALSE(back.collate);
    EXPECT_TRUE(back.reverse);
}

TEST(QtPrintSettings, ACustomPaperFromThePageSetupKeepsItsSize) {
    QPrinter printer;
    printer.setPageSize(QPageSize(QSizeF(100, 150), QPageSize::Millimeter));
    PrintSettings chosen;
    readPrintSettings(printer, chosen);
    QPrinter job;
    applyPrintSettings(chosen, job);
    const QSizeF size = job.pageLayout().fullRect(QPageLayout::Millimeter).size();
    EXPECT_NEAR(size.width(), 100, 0.5) << chosen.paperName;
    EXPECT_NEAR(size.height(), 150, 0.5) << chosen.paperName;

    for (const char* damaged : {"Custom.x150mm", "Custom.0x150mm", "Custom.100x150furlongs", "Custom.1e400x2mm"}) {
        chosen.paperName = damaged;
        applyPrintSettings(chosen, job);
        EXPECT_EQ(job.pageLayout().pageSize().id(), QPageSize::A4) << damaged;
    }
}

}  // namespace
