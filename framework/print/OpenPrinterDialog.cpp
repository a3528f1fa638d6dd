#include "framework/print/OpenPrinterDialog.h"

#include "framework/dialogs/UiService.h"
#include "framework/print/PrinterSetup.h"

std::unique_ptr<PrinterGraphics> OpenPrinterDialog(PrinterSetup& setup, Window*) {
    PrintSettings chosen = setup.Settings();
    if (!uiService().printerDialog(chosen)) return nullptr;
    setup.takePageFormat(chosen);
    return startPrintJob(chosen);
}
