#include "framework/print/OpenPrinterDialog.h"

#include <QPrinter>
#include <algorithm>

#include "framework/dialogs/QtPrintSettings.h"
#include "framework/dialogs/UiService.h"
#include "framework/print/PageGeometry.h"
#include "framework/print/PrinterSetup.h"

namespace {

// The printer must exist before the graphics that draws on it is built, and
// go after it has ended the job, so it is held by a base that comes first.
struct OwnedPrinter {
    std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
};

class PrintJobGraphics : private OwnedPrinter, public PrinterGraphics {
public:
    explicit PrintJobGraphics(const PrintSettings& settings) : PrinterGraphics(*printer) {
        applyPrintSettings(pageFormatOf(settings), *printer);
        Copies = std::max(1, settings.copies);
        FirstPage = std::max(1, settings.firstPage);
        // A range that ends before it starts prints its first page only.
        LastPage = std::max(FirstPage, settings.lastPage);
    }
};

}  // namespace

std::unique_ptr<PrinterGraphics> startPrintJob(const PrintSettings& settings) {
    return std::make_unique<PrintJobGraphics>(settings);
}

std::unique_ptr<PrinterGraphics> OpenPrinterDialog(PrinterSetup& setup, Window*) {
    PrintSettings chosen = setup.Settings();
    if (!uiService().printerDialog(chosen)) return nullptr;
    setup.takePageFormat(chosen);
    return startPrintJob(chosen);
}
