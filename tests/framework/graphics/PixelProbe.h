#pragma once
// Helpers for reading drawn pixels back in tests.
#include <QImage>
#include <string>

#include "framework/graphics/Color.h"

// A white ARGB image to draw on.
inline QImage whiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

inline Color colorAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The image as rows of '#' (pixel of `ink`) and '.' (anything else), joined
// with '\n', so a failing assertion shows the shape.
inline std::string inkMap(const QImage& image, Color ink) {
    std::string out;
    for (int y = 0; y < image.height(); ++y) {
        if (y) out += '\n';
        for (int x = 0; x < image.width(); ++x) out += colorAt(image, x, y) == ink ? '#' : '.';
    }
    return out;
}

inline int inkCount(const QImage& image, Color ink) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += colorAt(image, x, y) == ink;
    return n;
}
