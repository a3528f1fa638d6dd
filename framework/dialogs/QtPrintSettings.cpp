#include "framework/dialogs/QtPrintSettings.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <map>
#include <optional>

namespace {

// A paper the page-setup dialog's "Custom" size made: its key reads
// "Custom.100x150mm" (width x height and a unit).
std::optional<QPageSize> customPageSize(const QString& key) {
    static const QRegularExpression pattern(QStringLiteral("^Custom\\.([0-9.]+)x([0-9.]+)(mm|pt|in|pc|DD|CC)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(key);
    if (!match.hasMatch()) return std::nullopt;
    bool wideRead = false, highRead = false;
    const double width = match.captured(1).toDouble(&wideRead), height = match.captured(2).toDouble(&highRead);
    if (!wideRead || !highRead || width <= 0 || height <= 0) return std::nullopt;
    static const std::map<QString, QPageSize::Unit> units{
        {"mm", QPageSize::Millimeter}, {"pt", QPageSize::Point}, {"in", QPageSize::Inch},
        {"pc", QPageSize::Pica},       {"dd", QPageSize::Didot}, {"cc", QPageSize::Cicero}};
    const QPageSize size(QSizeF(width, height), units.at(match.captured(3).toLower()));
    return size.isValid() ? std::optional<QPageSize>(size) : std::nullopt;
}

QPageSize pageSizeNamed(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        auto size = static_cast<QPageSize::PageSizeId>(id);
        if (QPageSize::name(size).compare(wanted, Qt::CaseInsensitive) == 0 ||
            QPageSize::key(size).compare(wanted, Qt::CaseInsensitive) == 0)
            return QPageSize(size);
    }
    // Without this, a custom paper chosen in the page-setup dialog printed on A4.
    if (auto custom = customPageSize(wanted)) return *custom;
    return QPageSize(QPageSize::A4);
}

}  // namespace

bool isCustomPaper(const std::string& paperName) {
    return customPageSize(QString::fromStdString(paperName)).has_value();
}

QPageLayout pageLayoutOf(const PrintSettings& settings) {
    return QPageLayout(pageSizeNamed(settings.paperName),
                       settings.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(settings.marginLeft, settings.marginTop, settings.marginRight, settings.marginBottom),
                       QPageLayout::Point);
}

void applyPrintSettings(const PrintSettings& settings, QPrinter& printer) {
    if (!settings.printerName.empty()) printer.setPrinterName(QString::fromStdString(settings.printerName));
    if (!settings.outputFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(settings.outputFile));
    }
    printer.setPageLayout(pageLayoutOf(settings));
    printer.setCopyCount(settings.copies);
    printer.setCollateCopies(settings.collate);
    printer.setPageOrder(settings.reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    if (settings.firstPage > 1 || settings.lastPage < 9999)
        printer.setFromTo(settings.firstPage, settings.lastPage);
}

void readPrintSettings(const QPrinter& printer, PrintSettings& settings) {
    QPageLayout layout = printer.pageLayout();
    settings.paperName = layout.pageSize().key().toStdString();
    settings.landscape = layout.orientation() == QPageLayout::Landscape;
    QMarginsF margins = layout.margins(QPageLayout::Point);
    settings.marginLeft = margins.left();
    settings.marginTop = margins.top();
    settings.marginRight = margins.right();
    settings.marginBottom = margins.bottom();
    settings.printerName = printer.printerName().toStdString();
    settings.outputFile = printer.outputFileName().toStdString();
    settings.copies = printer.copyCount();
    settings.collate = printer.collateCopies();
    settings.reverse = printer.pageOrder() == QPrinter::LastPageFirst;
    // 0 means "all pages" to Qt.
    settings.firstPage = printer.fromPage() > 0 ? printer.fromPage() : 1;
    settings.lastPage = printer.toPage() > 0 ? printer.toPage() : 9999;
}
