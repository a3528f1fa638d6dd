#pragma once
// Framework-internal: PrintSettings to and from a QPrinter. The dialogs use
// it, and so does printing when it makes the printer for a job.
#include "framework/dialogs/PrintSettings.h"

class QPageLayout;
class QPrinter;

// Whether the paper is one the page-setup dialog's "Custom" size made.
bool isCustomPaper(const std::string& paperName);
// Paper, orientation and margins (in points) of the settings.
QPageLayout pageLayoutOf(const PrintSettings& settings);
void applyPrintSettings(const PrintSettings& settings, QPrinter& printer);
void readPrintSettings(const QPrinter& printer, PrintSettings& settings);
