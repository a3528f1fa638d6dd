#include "framework/graphics/PainterGraphics.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "framework/graphics/Picture.h"
#include "framework/graphics/TextLines.h"

namespace {

QColor qColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// Pens are at least one pixel and at most a page wide.
int32_t penSize(int32_t v) { return std::clamp<int32_t>(v, 1, 4096); }

// Coordinates far outside any surface are pulled in to where they cannot
// overflow when sizes are added, yet still lie off every surface.
constexpr int64_t coordinateLimit = int64_t(1) << 24;
int clampCoordinate(int64_t v) { return static_cast<int>(std::clamp(v, -coordinateLimit, coordinateLimit)); }

// The box x, y, w, h (w and h positive) as a QRect, computed without overflow.
QRect boxOf(int64_t x, int64_t y, int64_t w, int64_t h) {
    const int left = clampCoordinate(x), top = clampCoordinate(y);
    return QRect(QPoint(left, top), QPoint(clampCoordinate(x + w) - 1, clampCoordinate(y + h) - 1));
}

QRectF boxOfF(int64_t x, int64_t y, int64_t w, int64_t h) { return QRectF(boxOf(x, y, w, h)); }

// The polygon's vertices: element 0 is not a coordinate, then x, y pairs.
QPolygon polygonOf(const std::vector<int32_t>& points) {
    QPolygon polygon;
    for (size_t i = 1; i + 1 < points.size(); i += 2)
        polygon << QPoint(clampCoordinate(points[i]), clampCoordinate(points[i + 1]));
    return polygon;
}

// The corners of a w x h pen rectangle whose top-left is at p.
void appendPenCorners(QPolygonF& out, QPoint p, int32_t w, int32_t h) {
    out << QPointF(p.x(), p.y()) << QPointF(p.x() + w, p.y()) << QPointF(p.x() + w, p.y() + h)
        << QPointF(p.x(), p.y() + h);
}

// Convex hull (monotone chain) of a handful of points.
QPolygonF convexHull(QPolygonF points) {
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF hull(points.size() * 2);
    int k = 0;
    for (int i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    for (int i = points.size() - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    hull.resize(std::max(0, k - 1));
    return hull;
}

// One segment with the pen rectangle dragged along it, its top-left corner
// on the ideal line, so wide pens hang right and down and both ends are in.
void strokeSegment(QPainter& p, QPoint a, QPoint b, int32_t penWidth, int32_t penHeight, const QColor& color) {
    if (a.x() == b.x() || a.y() == b.y()) {
        const int64_t left = std::min(a.x(), b.x()), top = std::min(a.y(), b.y());
        const int64_t right = std::max(a.x(), b.x()), bottom = std::max(a.y(), b.y());
        p.fillRect(boxOf(left, top, right - left + penWidth, bottom - top + penHeight), color);
        return;
    }
    if (penWidth == 1 && penHeight == 1) {
        // A one-pixel square-cap pen draws both end points.
        p.setPen(QPen(color, 1, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(a, b);
        return;
    }
    QPolygonF corners;
    appendPenCorners(corners, a, penWidth, penHeight);
    appendPenCorners(corners, b, penWidth, penHeight);
    QPainterPath path;
    path.addPolygon(convexHull(corners));
    p.fillPath(path, color);
}

}  // namespace

template <class Fn>
void PainterGraphics::paint(Fn&& fn) {
    QPainter* painter = beginPainting();
    if (!painter) return;
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->setPen(Qt::NoPen);
    painter->setBrush(Qt::NoBrush);
    fn(*painter);
    endPainting(painter);
}

void PainterGraphics::ClearRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    const QColor clear = QColor::fromRgba(clearColor());
    paint([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(boxOf(x, y, w, h), clear);
    });
}

void PainterGraphics::FillRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    paint([&](QPainter& p) { p.fillRect(boxOf(x, y, w, h), qColor(ForeColor)); });
}

void PainterGraphics::DrawRect(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    const int32_t pw = std::min(penSize(PenWidth), w), ph = std::min(penSize(PenHeight), h);
    paint([&](QPainter& p) {
        // The frame lies inside the box: four bands, one pen thick.
        const QColor c = qColor(ForeColor);
        p.fillRect(boxOf(x, y, w, ph), c);
        p.fillRect(boxOf(x, int64_t(y) + h - ph, w, ph), c);
        p.fillRect(boxOf(x, y, pw, h), c);
        p.fillRect(boxOf(int64_t(x) + w - pw, y, pw, h), c);
    });
}

void PainterGraphics::FillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) {
    if (w <= 0 || h <= 0) return;
    paint([&](QPainter& p) {
        QPainterPath path;
        path.addRoundedRect(boxOfF(x, y, w, h), std::max(0, arcWidth) / 2.0, std::max(0, arcHeight) / 2.0);
        p.fillPath(path, qColor(ForeColor));
    });
}

void PainterGraphics::DrawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth, int32_t arcHeight) {
    if (w <= 0 || h <= 0) return;
    const int32_t pw = penSize(PenWidth), ph = penSize(PenHeight);
    paint([&](QPainter& p) {
        p.setPen(QPen(qColor(ForeColor), std::max(pw, ph), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        // Pen centred on a box inset by half a pen, so the outline stays inside.
        const QRectF box = boxOfF(x, y, w, h).adjusted((pw - 1) / 2.0, (ph - 1) / 2.0, -(pw + 1) / 2.0, -(ph + 1) / 2.0);
        p.drawRoundedRect(box, std::max(0, arcWidth) / 2.0, std::max(0, arcHeight) / 2.0);
    });
}

void PainterGraphics::FillOval(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    paint([&](QPainter& p) {
        QPainterPath path;
        path.addEllipse(boxOfF(x, y, w, h));
        p.fillPath(path, qColor(ForeColor));
    });
}

void PainterGraphics::DrawOval(int32_t x, int32_t y, int32_t w, int32_t h) {
    if (w <= 0 || h <= 0) return;
    const int32_t pw = penSize(PenWidth), ph = penSize(PenHeight);
    paint([&](QPainter& p) {
        p.setPen(QPen(qColor(ForeColor), std::max(pw, ph)));
        p.drawEllipse(boxOfF(x, y, w, h).adjusted((pw - 1) / 2.0, (ph - 1) / 2.0, -(pw + 1) / 2.0, -(ph + 1) / 2.0));
    });
}

void PainterGraphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    paint([&](QPainter& p) {
        strokeSegment(p, QPoint(x1, y1), QPoint(x2, y2), penSize(PenWidth), penSize(PenHeight), qColor(ForeColor));
    });
}

void PainterGraphics::DrawPolygon(const std::vector<int32_t>& points) {
    const QPolygon polygon = polygonOf(points);
    if (polygon.isEmpty()) return;
    paint([&](QPainter& p) {
        const QColor c = qColor(ForeColor);
        for (int i = 0; i < polygon.size(); ++i)
            strokeSegment(p, polygon[i], polygon[(i + 1) % polygon.size()], penSize(PenWidth), penSize(PenHeight), c);
    });
}

void PainterGraphics::FillPolygon(const std::vector<int32_t>& points) {
    const QPolygon polygon = polygonOf(points);
    if (polygon.size() < 3) return;
    paint([&](QPainter& p) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addPolygon(QPolygonF(polygon));
        path.closeSubpath();
        p.fillPath(path, qColor(ForeColor));
    });
}

void PainterGraphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrap) {
    if (text.empty()) return;
    const QFont font = currentFont(*this);
    const QFontMetricsF metrics(font);
    const QStringList lines = wrapLines(QString::fromStdString(text), metrics, wrap);
    const double step = std::round(metrics.lineSpacing());
    paint([&](QPainter& p) {
        p.setFont(font);
        p.setPen(qColor(ForeColor));
        for (int i = 0; i < lines.size(); ++i) p.drawText(QPointF(x, y + i * step), lines[i]);
    });
}

void PainterGraphics::drawWithPainter(const std::string&, const std::function<void(QPainter&)>& draw) {
    paint([&](QPainter& p) { draw(p); });
}

void PainterGraphics::drawPictureScaled(const Picture& picture, int32_t x, int32_t y, int32_t w, int32_t h,
                                        int32_t sourceX, int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) {
    const QRect source = boxOf(sourceX, sourceY, sourceWidth, sourceHeight).intersected(QRect(0, 0, picture.Width(), picture.Height()));
    if (source.isEmpty()) return;
    // Only the part of the destination that the clipped source maps to.
    const double fx = double(w) / sourceWidth, fy = double(h) / sourceHeight;
    const QRectF target(x + (source.x() - sourceX) * fx, y + (source.y() - sourceY) * fy, source.width() * fx,
                        source.height() * fy);
    paint([&](QPainter& p) { drawPicturePart(p, picture, source, target); });
}

void PainterGraphics::drawPicturePart(QPainter& painter, const Picture& picture, const QRect& source,
                                      const QRectF& target) {
    const QImage composed = picture.composedImage(source);
    painter.drawImage(target, composed, QRectF(composed.rect()));
}
