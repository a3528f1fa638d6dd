#include "framework/print/PrinterSetup.h"

#include <QLocale>

#include "framework/dialogs/UiService.h"
#include "framework/print/PageGeometry.h"
#include "framework/print/PrintSettingsText.h"

namespace {

PrintSettings localeDefaults() {
    PrintSettings settings;
    if (QLocale().measurementSystem() == QLocale::ImperialUSSystem) settings.paperName = "Letter";
    return settings;
}

}  // namespace

PrinterSetup::PrinterSetup() { setSettings(localeDefaults()); }

PrinterSetup::PrinterSetup(const PrintSettings& settings) { setSettings(settings); }

bool PrinterSetup::PageSetupDialog(Window*) {
    PrintSettings edited = settings_;
    if (!uiService().pageSetup(edited)) return false;
    takePageFormat(edited);
    return true;
}

void PrinterSetup::takePageFormat(const PrintSettings& settings) {
    setSettings(pageFormatOf(settings));
}

std::string PrinterSetup::SetupString() const { return printSettingsText(settings_); }

bool PrinterSetup::SetSetupString(const std::string& text) {
    auto read = printSettingsFromText(text, settings_);
    if (!read) return false;
    setSettings(*read);
    return true;
}

void PrinterSetup::setSettings(const PrintSettings& settings) {
    settings_ = settings;
    const PageGeometry geometry = pageGeometryOf(settings_);
    // Whole points, the fraction dropped, as every coordinate of the layouts.
    left_ = -static_cast<int32_t>(geometry.printable.left());
    top_ = -static_cast<int32_t>(geometry.printable.top());
    width_ = static_cast<int32_t>(geometry.printable.width());
    height_ = static_cast<int32_t>(geometry.printable.height());
    pageWidth_ = static_cast<int32_t>(geometry.paper.width());
    pageHeight_ = static_cast<int32_t>(geometry.paper.height());
}
