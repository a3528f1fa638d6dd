#pragma once
// Framework-internal: UTF-8 text handed to Qt for Unicode case rules.
#include <QString>
#include <string>

inline QString toQString(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
