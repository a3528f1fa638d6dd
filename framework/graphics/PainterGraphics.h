#pragma once
// The pixel rules of Graphics carried out on a QPainter. Subclasses say where
// the painter comes from: a fresh one per call on an image, one kept for a
// whole print job. Coordinates are the subclass's units; the painter it hands
// out already maps them to device pixels.
#include "framework/graphics/Graphics.h"

class QPainter;
class QRect;
class QRectF;

class PainterGraphics : public Graphics {
public:
    void ClearRect(int32_t x, int32_t y, int32_t w, int32_t h) override;
    void FillRect(int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawRect(int32_t x, int32_t y, int32_t w, int32_t h) override;
    void FillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) override;
    void DrawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) override;
    void FillOval(int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawOval(int32_t x, int32_t y, int32_t w, int32_t h) override;
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void DrawPolygon(const std::vector<int32_t>& points) override;
    void FillPolygon(const std::vector<int32_t>& points) override;
    void DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrap = 0) override;
    void drawWithPainter(const std::string& description, const std::function<void(QPainter&)>& draw) override;

protected:
    void drawPictureScaled(const Picture& picture, int32_t x, int32_t y, int32_t w, int32_t h, int32_t sourceX,
                           int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override;

    // Draws the part `source` of the picture into `target` (in the
    // painter's units): the picture as it is composed; a print job draws it
    // at the device's resolution.
    virtual void drawPicturePart(QPainter& painter, const Picture& picture, const QRect& source, const QRectF& target);

    // A painter ready for one drawing call, or nullptr when the surface cannot
    // be drawn on (a null image). endPainting is called once for each painter
    // handed out.
    virtual QPainter* beginPainting() = 0;
    virtual void endPainting(QPainter* painter) = 0;
    // What ClearRect paints, as 0xAARRGGBB.
    virtual uint32_t clearColor() const = 0;

private:
    template <class Fn>
    void paint(Fn&& fn);
};
