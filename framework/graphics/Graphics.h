#pragma once
// A drawing surface with the old framework's pixel rules, which differ from
// QPainter's on purpose because the product's drawing code was written
// against them:
//  - integer pixels, no anti-aliasing for shapes;
//  - DrawRect(x, y, w, h) and FillRect cover exactly the w x h box;
//  - DrawLine draws both end points, so a zero-length line draws one pixel;
//  - the pen is a PenWidth x PenHeight rectangle that hangs right of and below
//    the ideal line;
//  - polygon arrays skip element 0, the rest being x, y pairs;
//  - DrawString's y is the baseline;
//  - ForeColor, pen and text settings persist between calls.
// Backends: ImageGraphics (a QImage: canvases and pictures), PrinterGraphics
// (a print job) and RecordingGraphics (tests).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/Color.h"

class Picture;
class QPainter;

class Graphics {
public:
    virtual ~Graphics() = default;

    // State read by every drawing call.
    Color ForeColor = 0x000000;
    int32_t PenWidth = 1;
    int32_t PenHeight = 1;
    std::string TextFont = "System";
    double TextSize = 0;  // pixels; 0 = the font's default size
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool UseOldRenderer = false;  // accepted and ignored: shapes are never anti-aliased

    // Print-job values; a printer dialog fills them in. Elsewhere they stay 1.
    int32_t Copies = 1;
    int32_t FirstPage = 1;
    int32_t LastPage = 1;
    bool Collate = true;   // several copies: each copy whole, else each page its copies over
    bool Reverse = false;  // the chosen pages from the last to the first

    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;

    // Sets the box to the surface's background (transparent on a picture).
    virtual void ClearRect(int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual void FillRect(int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    // Corner ellipse of arcWidth x arcHeight.
    virtual void FillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) = 0;
    virtual void DrawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) = 0;
    virtual void FillOval(int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual void DrawOval(int32_t x, int32_t y, int32_t w, int32_t h) = 0;
    virtual void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    // points[0] is ignored; then x1, y1, x2, y2, ... An odd trailing element is ignored.
    virtual void DrawPolygon(const std::vector<int32_t>& points) = 0;
    virtual void FillPolygon(const std::vector<int32_t>& points) = 0;

    // y is the baseline of the first line. wrap > 0 breaks lines at word
    // boundaries to fit that width; CR, LF and CRLF always break a line.
    virtual void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrap = 0) = 0;
    // Measured with the current text settings, in the surface's units.
    double StringWidth(const std::string& text) const;
    int32_t TextAscent() const;
    int32_t TextHeight() const;  // baseline to baseline

    // At the picture's own size. A null picture draws nothing.
    void DrawPicture(const Picture* picture, int32_t x, int32_t y);
    // Scaled into w x h from the whole picture.
    void DrawPicture(const Picture* picture, int32_t x, int32_t y, int32_t w, int32_t h);
    // Scaled into w x h from the source rectangle sx, sy, sw, sh (clipped to
    // the picture). A destination or source of zero or negative size draws
    // nothing. The picture's mask and Transparent setting are honoured.
    void DrawPicture(const Picture* picture, int32_t x, int32_t y, int32_t w, int32_t h,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight);
    void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y) {
        DrawPicture(picture.get(), x, y);
    }
    void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t w, int32_t h) {
        DrawPicture(picture.get(), x, y, w, h);
    }
    void DrawPicture(const std::shared_ptr<Picture>& picture, int32_t x, int32_t y, int32_t w, int32_t h,
                     int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) {
        DrawPicture(picture.get(), x, y, w, h, sourceX, sourceY, sourceWidth, sourceHeight);
    }

    // Ends the current sheet of a print job; does nothing on other surfaces.
    virtual void NextPage() {}

    // Framework-internal escape hatch for drawing the surface's own rules do
    // not cover (styled text blocks): `draw` gets a painter set up in this
    // surface's units. A recording surface records `description` instead.
    virtual void drawWithPainter(const std::string& description, const std::function<void(QPainter&)>& draw) = 0;

protected:
    // Every DrawPicture overload ends here, with a non-null picture and
    // positive destination and source sizes.
    virtual void drawPictureScaled(const Picture& picture, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) = 0;
};
