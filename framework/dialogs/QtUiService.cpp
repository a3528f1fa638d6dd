#include "framework/dialogs/QtUiService.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDrag>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "framework/dialogs/DragMimeData.h"
#include "framework/dialogs/QtFileDialogs.h"
#include "framework/dialogs/QtMessageBoxes.h"
#include "framework/dialogs/QtPrintSettings.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/QtMenuBuilder.h"

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

std::optional<std::string> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

// Whether a dialog the print dialog opened over itself (its Properties) was
// confirmed.
bool propertiesConfirmed(const QDialog& printDialog) {
    for (const QDialog* inner : printDialog.findChildren<QDialog*>())
        if (inner->result() == QDialog::Accepted) return true;
    return false;
}

}  // namespace

int32_t QtUiService::MsgBox(const MsgBoxRequest& request) {
    return buildMsgBox(request, dialogParent()).run();
}

MessageDialogChoice QtUiService::showMessageDialog(const MessageDialogRequest& request) {
    return static_cast<MessageDialogChoice>(buildMessageDialog(request, dialogParent()).run());
}

std::optional<std::string> QtUiService::openFile(const FileDialogRequest& request) {
    return runFileDialog(*buildOpenDialog(request, dialogParent()));
}

std::optional<std::string> QtUiService::saveFile(const FileDialogRequest& request) {
    return runFileDialog(*buildSaveDialog(request, dialogParent()));
}

bool QtUiService::selectColor(uint32_t& color, const std::string& prompt) {
    QColorDialog dialog(QColor::fromRgb(static_cast<QRgb>(color & 0xFFFFFF)), dialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    dialog.setWindowTitle(QString::fromStdString(prompt));
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) return false;
    color = dialog.selectedColor().rgb() & 0xFFFFFF;
    return true;
}

bool QtUiService::pageSetup(PrintSettings& settings) {
    QPrinter printer;
    applyPrintSettings(settings, printer);
    QPageSetupDialog dialog(&printer, dialogParent());
    if (dialog.exec() != QDialog::Accepted) return false;
    readPrintSettings(printer, settings);
    return true;
}

bool QtUiService::printerDialog(PrintSettings& settings) {
    QPrinter printer;
    applyPrintSettings(settings, printer);
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted) return false;
    const PrintSettings before = settings;
    readPrintSettings(printer, settings);
    // Qt's print dialog puts its default paper in place of a custom one when
    // it hands the printer back; unless the user confirmed the paper in the
    // dialog's Properties, the page setup's paper is the one to print on.
    if (isCustomPaper(before.paperName) && !propertiesConfirmed(dialog)) {
        settings.paperName = before.paperName;
        settings.landscape = before.landscape;
        settings.marginLeft = before.marginLeft;
        settings.marginTop = before.marginTop;
        settings.marginRight = before.marginRight;
        settings.marginBottom = before.marginBottom;
    }
    return true;
}

MenuItem* QtUiService::popUpMenu(MenuItem& menu, int32_t x, int32_t y) {
    QMenu popup;
    QtMenuBuilder builder;
    builder.fill(popup, menu, &popup);
    QAction* chosen = popup.exec(QPoint(x, y));
    // The item stays alive in the caller's tree; the builder only watched it.
    return chosen ? builder.itemFor(chosen).get() : nullptr;
}

DragResult QtUiService::startDrag(const DragRequest& request) {
    QObject* source = QApplication::activeWindow();
    if (!source) return DragResult::None;
    QMimeData* data = newMimeDataFor(request);
    // Qt deletes the drag itself once it is over, and the drag owns the data.
    auto* drag = new QDrag(source);
    drag->setMimeData(data);
    switch (drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction)) {
    case Qt::CopyAction: return DragResult::Copy;
    case Qt::MoveAction: return DragResult::Move;
    case Qt::LinkAction: return DragResult::Link;
    default: return DragResult::None;
    }
}

bool QtUiService::speak(const std::string& text, bool interrupt) {
    const auto& engine = speechEngine();
    return engine && engine(text, interrupt);
}

bool QtUiService::openURL(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}
