#include "framework/graphics/FontMapping.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <QString>

namespace {

bool sameName(const std::string& a, const char* b) {
    return QString::fromStdString(a).compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QString defaultFamily() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(); }

// The installed family spelled as the font database spells it, or empty.
QString installedFamily(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (const QString& family : QFontDatabase::families())
        if (family.compare(wanted, Qt::CaseInsensitive) == 0) return family;
    return {};
}

// The toolkit's fixed-pitch font can resolve to a family that does not
// report itself as fixed pitch (some "Mono" families carry double-width
// glyphs), so pick the first candidate whose resolved font really is.
QString fixedPitchFamily() {
    static QString chosen;
    if (!chosen.isEmpty()) return chosen;
    QStringList candidates{QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), "DejaVu Sans Mono",
                           "Liberation Mono", "Noto Mono", "Nimbus Mono PS", "Courier New", "Courier"};
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(family)) candidates.append(family);
    for (const QString& family : candidates) {
        QFont font(family);
        font.setStyleHint(QFont::TypeWriter);
        if (QFontInfo(font).fixedPitch()) return chosen = family;
    }
    return chosen = candidates.front();
}

QString familyFor(const std::string& name) {
    if (sameName(name, "System") || sameName(name, "SmallSystem") || sameName(name, "SystemFont"))
        return defaultFamily();
    if (sameName(name, "Courier") || sameName(name, "Monaco"))
        return fixedPitchFamily();
    if (sameName(name, "Geneva")) return defaultFamily();
    const QString installed = installedFamily(name);
    return installed.isEmpty() ? defaultFamily() : installed;
}

}  // namespace

int defaultPixelSize(const std::string& name) {
    if (sameName(name, "System")) return 13;
    if (sameName(name, "SmallSystem")) return 11;
    return 12;
}

QFont resolveFont(const std::string& name, double size, bool bold, bool italic, bool underline) {
    QFont font(familyFor(name));
    if (sameName(name, "Courier") || sameName(name, "Monaco")) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    // Pixel sizes are whole numbers; a fraction is dropped, as the old
    // framework's integer sizes did.
    const int pixels = size >= 1.0 && size < 10000.0 ? static_cast<int>(size) : defaultPixelSize(name);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}
