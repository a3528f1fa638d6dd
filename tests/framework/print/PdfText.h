#pragma once
// What a PDF file says, read back by poppler's pdftotext: the text layer a
// reader would copy or search, including text drawn over in white. Used to
// check that a print job put on paper only what was asked for.
#include <regex>
#include <string>
#include <vector>

#include "tests/support/CommandOutput.h"

// Every word of the file's text layer, pages apart by form feeds.
inline std::string pdfText(const std::string& path) {
    return commandOutput("pdftotext -q '" + path + "' - 2>/dev/null");
}

struct PdfWord {
    std::string text;
    double xMin, yMin, xMax, yMax;  // in points from the page's top left
};

// Every word on the file's pages with its box.
inline std::vector<PdfWord> pdfWords(const std::string& path) {
    const std::string html = commandOutput("pdftotext -q -bbox '" + path + "' - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it)
        words.push_back({(*it)[5], std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
    return words;
}
