// Numbers to text and back: Val, Str, CStr, Format, Hex.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <string_view>

#include "framework/text/Strings.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

const char* nonFinite(double value) {
    if (std::isnan(value)) return "NAN";
    return value < 0 ? "-INF" : "INF";
}

double radixValue(std::string_view s, size_t pos, int radix) {
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const char c = s[pos];
        int digit;
        if (isDigit(c)) digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else break;
        if (digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

// The shortest decimal text that reads back as `magnitude` (finite, not
// negative), written without an exponent; "" if it cannot be made.
std::string shortestFixed(double magnitude) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    if (result.ec != std::errc()) return std::string();
    const std::string text(buffer, result.ptr);  // "4.5359237e+25"
    const size_t e = text.find('e');
    std::string digits = text.substr(0, e);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    const int exponent = std::atoi(text.c_str() + e + 1);
    const int n = static_cast<int>(digits.size());
    if (exponent >= n - 1) return digits + std::string(static_cast<size_t>(exponent - (n - 1)), '0');
    if (exponent >= 0) return digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
    return "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
}

// Rounds |value| * 10^decimals half away from zero and returns the digits
// with the decimal point put back, e.g. (176.7, 0) -> "177", (0.125, 2) -> "0.13".
std::string roundedDigits(double magnitude, int decimals) {
    const double scaled = magnitude * std::pow(10.0, decimals);
    std::string digits;
    if (scaled < 9007199254740992.0) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", std::round(scaled));
        digits = buffer;
    } else {
        // Beyond exact integers. A double holds at most 17 significant
        // digits; the exact binary expansion printf would give past those
        // is noise ("45,359,236,999,999,998,004,297,728" for 4.5359237e25).
        // The shortest text that reads back as the same double shows only
        // the digits the value has.
        char buffer[400];
        const std::string text = shortestFixed(magnitude);
        const size_t point = text.find('.');
        const size_t fractionDigits = point == std::string::npos ? 0 : text.size() - point - 1;
        if (!text.empty() && fractionDigits <= static_cast<size_t>(decimals)) {
            if (decimals == 0) return text;
            return text + (point == std::string::npos ? "." : "") +
                   std::string(static_cast<size_t>(decimals) - fractionDigits, '0');
        }
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);  // fewer than 17 integer digits
        return buffer;
    }
    if (decimals == 0) return digits;
    if (digits.size() <= static_cast<size_t>(decimals))
        digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<size_t>(decimals), ".");
    return digits;
}

struct NumberPattern {
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
    bool grouping = false;
    bool percent = false;
    bool hasSign = false;
    std::string prefix, suffix;  // with a '\x01' where the sign goes
};

constexpr char signSlot = '\x01';
constexpr char plusSlot = '\x02';

NumberPattern parsePattern(std::string_view section) {
    NumberPattern p;
    bool seenPlaceholder = false, inFraction = false;
    for (size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        std::string& literal = seenPlaceholder ? p.suffix : p.prefix;
        if (c == '#' || c == '0') {
            seenPlaceholder = true;
            if (inFraction) {
                ++p.maxFractionDigits;
                if (c == '0') p.minFractionDigits = p.maxFractionDigits;
            } else if (c == '0') {
                ++p.minIntegerDigits;
            }
        } else if (c == '.' && !inFraction) {
            seenPlaceholder = true;
            inFraction = true;
        } else if (c == ',') {
            if (!inFraction) p.grouping = true;
        } else if (c == '%') {
            p.percent = true;
            literal += '%';
        } else if (c == '-' || c == '+') {
            p.hasSign = true;
            literal += c == '-' ? signSlot : plusSlot;
        } else if (c == '\\' && i + 1 < section.size()) {
            literal += section[++i];
        } else {
            literal += c;
        }
    }
    return p;
}

std::vector<std::string> sections(const std::string& pattern) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '\\' && i + 1 < pattern.size()) {
            out.back() += pattern.substr(i, 2);
            ++i;
        } else if (pattern[i] == ';') {
            out.emplace_back();
        } else {
            out.back() += pattern[i];
        }
    }
    return out;
}

std::string group(const std::string& integerDigits) {
    std::string out;
    const size_t n = integerDigits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += integerDigits[i];
    }
    return out;
}

std::string fillSigns(const std::string& literal, bool negative) {
    std::string out;
    for (char c : literal) {
        if (c == signSlot) out += negative ? "-" : "";
        else if (c == plusSlot) out += negative ? "-" : "+";
        else out += c;
    }
    return out;
}

}  // namespace

double Val(const std::string& s) {
    std::string_view v(s);
    size_t pos = 0;
    while (pos < v.size() && (v[pos] == ' ' || v[pos] == '\t')) ++pos;
    if (pos + 1 < v.size() && v[pos] == '&') {
        const char kind = static_cast<char>(v[pos + 1] | 0x20);
        if (kind == 'h') return radixValue(v, pos + 2, 16);
        if (kind == 'o') return radixValue(v, pos + 2, 8);
        if (kind == 'b') return radixValue(v, pos + 2, 2);
    }
    const size_t start = pos;
    if (pos < v.size() && (v[pos] == '+' || v[pos] == '-')) ++pos;
    size_t mantissaDigits = 0;
    while (pos < v.size() && isDigit(v[pos])) ++pos, ++mantissaDigits;
    if (pos < v.size() && v[pos] == '.') {
        ++pos;
        while (pos < v.size() && isDigit(v[pos])) ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    size_t end = pos;
    if (pos < v.size() && (v[pos] == 'e' || v[pos] == 'E')) {
        size_t e = pos + 1;
        if (e < v.size() && (v[e] == '+' || v[e] == '-')) ++e;
        if (e < v.size() && isDigit(v[e])) {
            while (e < v.size() && isDigit(v[e])) ++e;
            end = e;
        }
    }
    return std::strtod(std::string(v.substr(start, end - start)).c_str(), nullptr);
}

std::string Str(double value) {
    if (!std::isfinite(value)) return nonFinite(value);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    std::string text = buffer;
    // "1.5e+07" -> "1.5e+7", as the old framework wrote exponents.
    const size_t e = text.find('e');
    if (e != std::string::npos) {
        size_t digits = e + 2;
        while (digits + 1 < text.size() && text[digits] == '0') text.erase(digits, 1);
    }
    if (text == "-0") text = "0";
    return text;
}

std::string CStr(double value) { return Str(value); }

std::string Format(double value, const std::string& pattern) {
    if (!std::isfinite(value)) return nonFinite(value);
    const std::vector<std::string> parts = sections(pattern);
    std::string section = parts[0];
    bool useNegativeSection = false;
    if (value < 0 && parts.size() >= 2) {
        section = parts[1];
        useNegativeSection = true;
    } else if (value == 0 && parts.size() >= 3) {
        section = parts[2];
    }
    const NumberPattern p = parsePattern(section);
    const double magnitude = std::fabs(value) * (p.percent ? 100.0 : 1.0);
    std::string digits = roundedDigits(magnitude, p.maxFractionDigits);

    std::string integerPart = digits.substr(0, digits.find('.'));
    std::string fraction = digits.find('.') == std::string::npos ? "" : digits.substr(digits.find('.') + 1);
    while (static_cast<int>(fraction.size()) > p.minFractionDigits && !fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    const bool roundsToZero = integerPart.find_first_not_of('0') == std::string::npos &&
                              fraction.find_first_not_of('0') == std::string::npos;
    while (integerPart.size() > 1 && integerPart[0] == '0') integerPart.erase(0, 1);
    if (integerPart == "0" && p.minIntegerDigits == 0) integerPart.clear();
    if (static_cast<int>(integerPart.size()) < p.minIntegerDigits)
        integerPart.insert(0, static_cast<size_t>(p.minIntegerDigits) - integerPart.size(), '0');
    if (p.grouping) integerPart = group(integerPart);

    const bool negative = value < 0 && !roundsToZero && !useNegativeSection;
    std::string number = integerPart;
    if (!fraction.empty()) number += "." + fraction;
    std::string text = fillSigns(p.prefix, negative) + number + fillSigns(p.suffix, negative);
    if (negative && !p.hasSign) text.insert(0, "-");
    return text;
}

std::string Hex(int64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
    return buffer;
}
