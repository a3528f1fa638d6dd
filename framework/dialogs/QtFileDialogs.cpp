#include "framework/dialogs/QtFileDialogs.h"

#include <algorithm>

#include <QDir>
#include <QStringList>

namespace {

std::string asciiCase(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!upper && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::unique_ptr<QFileDialog> baseDialog(const FileDialogRequest& request, QFileDialog::AcceptMode acceptMode,
                                        QFileDialog::FileMode fileMode, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    // Our own dialog, not the desktop's: the button labels and prompt are
    // ours to set, and it behaves the same on every desktop and headless.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    // The modes first: setting them recreates the buttons and their labels.
    dialog->setAcceptMode(acceptMode);
    dialog->setFileMode(fileMode);
    const std::string& title = request.promptText.empty() ? request.title : request.promptText;
    dialog->setWindowTitle(QString::fromStdString(title));
    if (!request.actionButtonCaption.empty())
        dialog->setLabelText(QFileDialog::Accept, QString::fromStdString(request.actionButtonCaption));
    if (!request.cancelButtonCaption.empty())
        dialog->setLabelText(QFileDialog::Reject, QString::fromStdString(request.cancelButtonCaption));
    if (!request.initialDirectory.empty()) dialog->setDirectory(QString::fromStdString(request.initialDirectory));
    QStringList names;
    for (const FileFilter& filter : request.filters) names << QString::fromStdString(qtNameFilter(filter));
    if (!names.isEmpty()) dialog->setNameFilters(names);
    return dialog;
}

}  // namespace

std::string qtNameFilter(const FileFilter& filter) {
    std::vector<std::string> patterns;
    auto add = [&](const std::string& pattern) {
        if (std::find(patterns.begin(), patterns.end(), pattern) == patterns.end()) patterns.push_back(pattern);
    };
    for (const std::string& pattern : filter.patterns) {
        add(pattern);
        add(asciiCase(pattern, false));
        add(asciiCase(pattern, true));
    }
    if (patterns.empty()) patterns.push_back("*");
    std::string text = filter.name + " (";
    for (size_t i = 0; i < patterns.size(); ++i) text += (i ? " " : "") + patterns[i];
    return text + ")";
}

std::unique_ptr<QFileDialog> buildOpenDialog(const FileDialogRequest& request, QWidget* parent) {
    return baseDialog(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, parent);
}

std::unique_ptr<QFileDialog> buildSaveDialog(const FileDialogRequest& request, QWidget* parent) {
    auto dialog = baseDialog(request, QFileDialog::AcceptSave, QFileDialog::AnyFile, parent);
    if (!request.suggestedFileName.empty()) dialog->selectFile(QString::fromStdString(request.suggestedFileName));
    return dialog;
}
