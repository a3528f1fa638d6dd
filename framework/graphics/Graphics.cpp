#include "framework/graphics/Graphics.h"

#include <QFontMetricsF>
#include <cmath>

#include "framework/graphics/Picture.h"
#include "framework/graphics/TextLines.h"

void Graphics::DrawPicture(const Picture* picture, int32_t x, int32_t y) {
    if (!picture) return;
    DrawPicture(picture, x, y, picture->Width(), picture->Height(), 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const Picture* picture, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (!picture) return;
    DrawPicture(picture, x, y, w, h, 0, 0, picture->Width(), picture->Height());
}

void Graphics::DrawPicture(const Picture* picture, int32_t x, int32_t y, int32_t w, int32_t h, int32_t sourceX,
                           int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) {
    // A missing picture draws nothing rather than stopping the program: the
    // photo window paints whatever photo the main window holds, which may be
    // none.
    if (!picture || w <= 0 || h <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    drawPictureScaled(*picture, x, y, w, h, sourceX, sourceY, sourceWidth, sourceHeight);
}

double Graphics::StringWidth(const std::string& text) const {
    return QFontMetricsF(currentFont(*this)).horizontalAdvance(QString::fromStdString(text));
}

int32_t Graphics::TextAscent() const {
    return static_cast<int32_t>(std::round(QFontMetricsF(currentFont(*this)).ascent()));
}

int32_t Graphics::TextHeight() const {
    return static_cast<int32_t>(std::round(QFontMetricsF(currentFont(*this)).lineSpacing()));
}
