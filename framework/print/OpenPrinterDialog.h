#pragma once
// The printer dialog of a print job. On OK it answers the graphics the job
// draws on, in points (72 to the inch), with the copies and the page range
// chosen in the dialog (Copies, FirstPage, LastPage); on Cancel, nullptr.
// The paper, margins and printer chosen there become the setup's, so the
// layout read from the setup matches the sheets. Printing to a PDF file is
// a printer like any other (PrintSettings::outputFile).
//
// Copies and pages are the caller's to draw: the job itself prints every
// page drawn once, so the dialog's choice is never applied twice.
//
// The caller ends the job with EndJob() and tells the user its Failure()
// when it answers False: a file that could not be written (no such folder,
// a full disk) or a printer that refused the job.
#include <memory>

#include "framework/dialogs/PrintSettings.h"
#include "framework/graphics/PrinterGraphics.h"

class PrinterSetup;
class Window;

// The dialog is modal over the front window (the parent in every use).
std::unique_ptr<PrinterGraphics> OpenPrinterDialog(PrinterSetup& setup, Window* parent = nullptr);

// The job without the dialog: a print job for these settings, as the dialog
// would start it (PrintJobs.cpp). A PDF file is made at the first drawing.
std::unique_ptr<PrinterGraphics> startPrintJob(const PrintSettings& settings);
