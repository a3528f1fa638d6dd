#include "framework/graphics/RecordingGraphics.h"

#include <QFontMetricsF>
#include <cmath>

#include "framework/graphics/Picture.h"
#include "framework/graphics/TextLines.h"

std::string RecordedCall::toString() const {
    std::string out = name;
    for (size_t i = 0; i < args.size(); ++i) out += (i == 0 ? " " : ",") + std::to_string(args[i]);
    if (!text.empty()) out += " " + text;
    return out;
}

void RecordingGraphics::record(std::string name, std::vector<int32_t> args, std::string text) {
    RecordedCall call;
    call.name = std::move(name);
    call.args = std::move(args);
    call.text = std::move(text);
    call.foreColor = ForeColor;
    call.penWidth = PenWidth;
    call.penHeight = PenHeight;
    call.textFont = TextFont;
    call.textSize = TextSize;
    call.bold = Bold;
    call.italic = Italic;
    call.underline = Underline;
    calls_.push_back(std::move(call));
}

std::vector<std::string> RecordingGraphics::log() const {
    std::vector<std::string> lines;
    lines.reserve(calls_.size());
    for (const RecordedCall& call : calls_) lines.push_back(call.toString());
    return lines;
}

void RecordingGraphics::ClearRect(int32_t x, int32_t y, int32_t w, int32_t h) { record("ClearRect", {x, y, w, h}); }
void RecordingGraphics::FillRect(int32_t x, int32_t y, int32_t w, int32_t h) { record("FillRect", {x, y, w, h}); }
void RecordingGraphics::DrawRect(int32_t x, int32_t y, int32_t w, int32_t h) { record("DrawRect", {x, y, w, h}); }

void RecordingGraphics::FillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t aw, int32_t ah) {
    record("FillRoundRect", {x, y, w, h, aw, ah});
}

void RecordingGraphics::DrawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t aw, int32_t ah) {
    record("DrawRoundRect", {x, y, w, h, aw, ah});
}

void RecordingGraphics::FillOval(int32_t x, int32_t y, int32_t w, int32_t h) { record("FillOval", {x, y, w, h}); }
void RecordingGraphics::DrawOval(int32_t x, int32_t y, int32_t w, int32_t h) { record("DrawOval", {x, y, w, h}); }

void RecordingGraphics::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    record("DrawLine", {x1, y1, x2, y2});
}

// Polygons are recorded as their vertices, element 0 already left out.
void RecordingGraphics::DrawPolygon(const std::vector<int32_t>& points) {
    record("DrawPolygon", points.size() > 1 ? std::vector<int32_t>(points.begin() + 1, points.end()) : std::vector<int32_t>{});
}

void RecordingGraphics::FillPolygon(const std::vector<int32_t>& points) {
    record("FillPolygon", points.size() > 1 ? std::vector<int32_t>(points.begin() + 1, points.end()) : std::vector<int32_t>{});
}

void RecordingGraphics::DrawString(const std::string& text, int32_t x, int32_t y, int32_t wrap) {
    record("DrawString", wrap == 0 ? std::vector<int32_t>{x, y} : std::vector<int32_t>{x, y, wrap}, text);
}

void RecordingGraphics::NextPage() { record("NextPage", {}); }

void RecordingGraphics::drawWithPainter(const std::string& description, const std::function<void(QPainter&)>&) {
    record("Custom", {}, description);
}

void RecordingGraphics::drawPictureScaled(const Picture& picture, int32_t x, int32_t y, int32_t w, int32_t h,
                                          int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    record("DrawPicture", {x, y, w, h, sx, sy, sw, sh},
           "picture " + std::to_string(picture.Width()) + "x" + std::to_string(picture.Height()));
}
