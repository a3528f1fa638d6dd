// The two kinds of print job the printer dialog starts: to a printer, and to
// a PDF file. Each owns its device and checks that the job reached it.
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>

#include "framework/dialogs/QtPrintSettings.h"
#include "framework/print/OpenPrinterDialog.h"
#include "framework/print/PageGeometry.h"

namespace {

void takeJobValues(const PrintSettings& settings, PrinterGraphics& job) {
    job.Copies = std::max(1, settings.copies);
    job.FirstPage = std::max(1, settings.firstPage);
    // A range that ends before it starts prints its first page only.
    job.LastPage = std::max(job.FirstPage, settings.lastPage);
    job.Collate = settings.collate;
    job.Reverse = settings.reverse;
}

// The device must exist before the graphics that draws on it is built, and
// go after it has ended the job, so it is held by a base that comes first.
struct OwnedPrinter {
    std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
};

class PrinterJob : private OwnedPrinter, public PrinterGraphics {
public:
    explicit PrinterJob(const PrintSettings& settings) : PrinterGraphics(*printer) {
        applyPrintSettings(pageFormatOf(settings), *printer);
        takeJobValues(settings, *this);
    }
    ~PrinterJob() override { endJobNow(); }

protected:
    std::string closeDevice() override {
        return printer->printerState() == QPrinter::Error ? "The printer reported an error." : "";
    }
};

// QPrinter writes its PDF files without looking at the result of a single
// write: on a full disk the job would pass for printed and leave a cut-off
// file. Here the file is ours, so every write failure is seen.
struct OwnedPdfFile {
    explicit OwnedPdfFile(const std::string& path) : file(QString::fromStdString(path)), writer(&file) {}
    QFile file;
    QPdfWriter writer;
};

class PdfFileJob : private OwnedPdfFile, public PrinterGraphics {
public:
    explicit PdfFileJob(const PrintSettings& settings) : OwnedPdfFile(settings.outputFile), PrinterGraphics(writer) {
        writer.setResolution(1200);
        writer.setPageLayout(pageLayoutOf(settings));
        takeJobValues(settings, *this);
    }
    ~PdfFileJob() override { endJobNow(); }

protected:
    // The file is made when the first page is drawn, so a job that draws
    // nothing leaves no file behind.
    std::string openDevice() override {
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) ? "" : failure();
    }
    std::string closeDevice() override {
        if (!file.isOpen()) return {};
        const bool flushed = file.flush() && file.error() == QFileDevice::NoError;
        std::string why = flushed ? "" : failure();
        file.close();
        if (why.empty() && file.error() != QFileDevice::NoError) why = failure();
        return why;
    }

private:
    std::string failure() const {
        return "The file \"" + file.fileName().toStdString() + "\" could not be written: " +
               file.errorString().toStdString();
    }
};

}  // namespace

std::unique_ptr<PrinterGraphics> startPrintJob(const PrintSettings& settings) {
    if (!settings.outputFile.empty()) return std::make_unique<PdfFileJob>(settings);
    return std::make_unique<PrinterJob>(settings);
}
