#include "framework/graphics/FontFamilies.h"

#include <QFontDatabase>
#include <QStringList>

std::vector<std::string> installedFontFamilies() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family)) families.push_back(family.toStdString());
    return families;
}
