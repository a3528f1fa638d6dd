#pragma once
// Framework-internal: text as a Qt widget shows it. Our texts end lines with
// a carriage return (the system's line end); Qt breaks lines only at "\n".
#include <QString>
#include <string>

inline QString toDisplayText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QChar('\r'), QChar('\n'));
    return shown;
}
