#pragma once
// Byte strings written as hex in the tests, so expected blocks read like the
// format description ("00 5B 00 00 ...").
#include <cstdio>
#include <string>

inline std::string bytesOf(const std::string& hex) {
    std::string out;
    int high = -1;
    for (char ch : hex) {
        int v;
        if (ch >= '0' && ch <= '9') v = ch - '0';
        else if (ch >= 'A' && ch <= 'F') v = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f') v = ch - 'a' + 10;
        else continue;
        if (high < 0) {
            high = v;
        } else {
            out += static_cast<char>(high * 16 + v);
            high = -1;
        }
    }
    return out;
}

inline std::string hexOf(const std::string& bytes) {
    std::string out;
    char buf[4];
    for (unsigned char b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        if (!out.empty()) out += ' ';
        out += buf;
    }
    return out;
}

// {"app_vers": 0x841F00}, the store of version 1.2.3 final.
inline constexpr const char* kAppVersBlock841F00 =
    "00 5B 00 00 00 0A 00 00 00 18 00 08 08 00 01 00 "
    "61 70 70 5F 76 65 72 73 00 02 00 84 1F 00";
