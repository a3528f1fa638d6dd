#include "framework/runtime/ApplicationIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

void applyApplicationIdentity(const std::string& name) {
    if (name.empty()) return;
    const QString qName = QString::fromStdString(name);
    // Only the name: a display name would be appended to every window's title.
    QCoreApplication::setApplicationName(qName);
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    const QString root = cache.startsWith('/') ? cache : QDir::homePath() + "/.cache";
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, root + "/" + qName);
}
