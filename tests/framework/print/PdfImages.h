#pragma once
// The images a PDF file places, read back by poppler's pdfimages: one entry
// per placement on a page, with the object that holds its pixels.
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CommandOutput.h"

struct PdfImage {
    int page = 0, width = 0, height = 0, object = 0;
    double xPpi = 0, yPpi = 0;  // pixels per inch as placed
};

inline std::vector<PdfImage> pdfImages(const std::string& path) {
    std::istringstream list(commandOutput("pdfimages -list '" + path + "' 2>/dev/null"));
    std::vector<PdfImage> images;
    std::string line, type, skip;
    for (int header = 0; header < 2 && std::getline(list, line); ++header) {}
    while (std::getline(list, line)) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        std::istringstream fields(line);
        PdfImage image;
        fields >> image.page >> skip >> type >> image.width >> image.height >> skip >> skip >> skip >> skip >> skip >>
            image.object >> skip >> image.xPpi >> image.yPpi;
        if (fields && type == "image") images.push_back(image);
    }
    return images;
}
