#pragma once
// Framework-internal: PrintSettings to and from a QPrinter. The dialogs use
// it, and so does printing when it makes the printer for a job.
#include "framework/dialogs/PrintSettings.h"

class QPrinter;

void applyPrintSettings(const PrintSettings& settings, QPrinter& printer);
void readPrintSettings(const QPrinter& printer, PrintSettings& settings);
