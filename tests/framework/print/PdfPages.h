#pragma once
// The number of pages in a PDF file written by the print backend: its page
// objects ("/Type /Page", not the "/Type /Pages" tree above them). Qt writes
// object dictionaries uncompressed, so counting them is enough.
#include <fstream>
#include <iterator>
#include <string>

inline int pdfPageCount(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.rfind("%PDF-", 0) != 0) return -1;
    int pages = 0;
    const std::string key = "/Type /Page";
    for (size_t at = bytes.find(key); at != std::string::npos; at = bytes.find(key, at + 1)) {
        const size_t after = at + key.size();
        if (after < bytes.size() && bytes[after] != 's') ++pages;
    }
    return pages;
}
