#pragma once
// Printer and page settings as plain values: what the page-setup dialog
// edits, and what the printer dialog adds (copies, page range). The printing
// code builds its printer from these, so no Qt object has to outlive the
// dialog that filled them in.
#include <cstdint>
#include <string>

struct PrintSettings {
    std::string paperName = "A4";  // a paper size name the toolkit knows ("A4", "Letter")
    bool landscape = false;
    // Margins in points (1/72 inch).
    double marginLeft = 36, marginTop = 36, marginRight = 36, marginBottom = 36;
    int32_t resolution = 72;  // units per inch of the printing graphics

    std::string printerName;  // empty = the default printer
    std::string outputFile;   // non-empty = print to this PDF file
    int32_t copies = 1;
    int32_t firstPage = 1;
    int32_t lastPage = 9999;  // 9999 = to the end, as in the old framework
    // With several copies: each copy whole (collated), or each page its copies over.
    bool collate = true;
    bool reverse = false;  // the last page first
};
