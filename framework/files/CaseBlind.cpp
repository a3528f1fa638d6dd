#include "framework/files/CaseBlind.h"

#include <QString>

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() == b.size() && a == b) return true;
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}
