#pragma once
// Framework-internal: the open and save dialogs over QFileDialog.
#include <QFileDialog>
#include <memory>
#include <string>
#include <vector>

#include "framework/dialogs/DialogRequests.h"

// "REALSQLDatabase (*.rsd *.RSD)". Qt matches patterns with the file
// system's letter case, so each pattern is offered in lower and upper case
// too: files written on a case-blind disk keep whatever case they had.
std::string qtNameFilter(const FileFilter& filter);

std::unique_ptr<QFileDialog> buildOpenDialog(const FileDialogRequest& request, QWidget* parent);
std::unique_ptr<QFileDialog> buildSaveDialog(const FileDialogRequest& request, QWidget* parent);
