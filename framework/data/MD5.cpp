#include "framework/data/MD5.h"

#include <QByteArray>
#include <QCryptographicHash>

std::string MD5(const std::string& bytes) {
    const QByteArray digest = QCryptographicHash::hash(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Md5);
    return std::string(digest.constData(), static_cast<size_t>(digest.size()));
}

std::string EncodeHex(const std::string& bytes) {
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    return out;
}
