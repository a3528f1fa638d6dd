#include "framework/print/PrintSettingsText.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace {

const char* const header = "Larderwise page setup 1";
// A margin beyond this is no margin of any paper.
constexpr double largestMargin = 10000;

std::string oneLine(std::string value) {
    for (char& c : value)
        if (c == '\r' || c == '\n') c = ' ';
    return value;
}

// The shortest text that reads back as the same number.
std::string numberText(double value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? std::string(buffer, end) : "0";
}

std::optional<double> marginOf(const std::string& value) {
    double number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    if (!std::isfinite(number) || number < 0 || number > largestMargin) return std::nullopt;
    return number;
}

void apply(const std::string& key, const std::string& value, PrintSettings& settings) {
    if (key == "paper" && !value.empty()) settings.paperName = value;
    else if (key == "orientation" && (value == "portrait" || value == "landscape"))
        settings.landscape = value == "landscape";
    else if (key == "printer") settings.printerName = value;
    else if (key == "marginLeft") settings.marginLeft = marginOf(value).value_or(settings.marginLeft);
    else if (key == "marginTop") settings.marginTop = marginOf(value).value_or(settings.marginTop);
    else if (key == "marginRight") settings.marginRight = marginOf(value).value_or(settings.marginRight);
    else if (key == "marginBottom") settings.marginBottom = marginOf(value).value_or(settings.marginBottom);
}

}  // namespace

std::string printSettingsText(const PrintSettings& settings) {
    std::ostringstream out;
    out << header << '\n'
        << "paper=" << oneLine(settings.paperName) << '\n'
        << "orientation=" << (settings.landscape ? "landscape" : "portrait") << '\n'
        << "marginLeft=" << numberText(settings.marginLeft) << '\n'
        << "marginTop=" << numberText(settings.marginTop) << '\n'
        << "marginRight=" << numberText(settings.marginRight) << '\n'
        << "marginBottom=" << numberText(settings.marginBottom) << '\n'
        << "printer=" << oneLine(settings.printerName) << '\n';
    return out.str();
}

std::optional<PrintSettings> printSettingsFromText(const std::string& text, const PrintSettings& base) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != header) return std::nullopt;
    PrintSettings settings = base;
    while (std::getline(in, line)) {
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        apply(line.substr(0, equals), line.substr(equals + 1), settings);
    }
    return settings;
}
