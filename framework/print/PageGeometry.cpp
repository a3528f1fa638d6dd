#include "framework/print/PageGeometry.h"

#include <QPageLayout>
#include <QPrinter>

#include "framework/dialogs/QtPrintSettings.h"

PageGeometry pageGeometryOf(const PrintSettings& settings) {
    // A PDF printer never queries a print server, and it keeps the margins
    // as given; the paper-name lookup stays the dialogs' own.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    PrintSettings pageOnly = pageFormatOf(settings);
    pageOnly.printerName.clear();
    pageOnly.outputFile.clear();
    applyPrintSettings(pageOnly, printer);
    const QPageLayout layout = printer.pageLayout();
    return {layout.fullRect(QPageLayout::Point), layout.paintRect(QPageLayout::Point)};
}

PrintSettings pageFormatOf(const PrintSettings& settings) {
    PrintSettings format = settings;
    format.copies = 1;
    format.firstPage = 1;
    format.lastPage = 9999;
    format.collate = true;
    format.reverse = false;
    return format;
}
