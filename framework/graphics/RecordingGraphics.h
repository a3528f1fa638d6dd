#pragma once
// Graphics that draws nothing and records every call, for tests that need the
// exact calls (printing positions, page breaks). Each record keeps the state
// that applied, so a test can ask "which font was this string drawn in".
// Text measurement uses the real fonts, as the other surfaces do.
#include <string>
#include <vector>

#include "framework/graphics/Graphics.h"

struct RecordedCall {
    std::string name;           // "DrawRect", "DrawString", "NextPage", ...
    std::vector<int32_t> args;  // the integer arguments in order
    std::string text;           // DrawString's text, drawWithPainter's description
    Color foreColor = 0;
    int32_t penWidth = 1, penHeight = 1;
    std::string textFont;
    double textSize = 0;
    bool bold = false, italic = false, underline = false;

    // "DrawRect 0,0,10,10", "DrawString 75,70 Apple pie", "NextPage".
    std::string toString() const;
};

class RecordingGraphics : public Graphics {
public:
    RecordingGraphics(int32_t width = 612, int32_t height = 792) : width_(width), height_(height) {}

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }

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
    void NextPage() override;
    void drawWithPainter(const std::string& description, const std::function<void(QPainter&)>& draw) override;

    const std::vector<RecordedCall>& calls() const { return calls_; }
    // Every call as toString() gives it, in order.
    std::vector<std::string> log() const;
    void clear() { calls_.clear(); }

protected:
    void drawPictureScaled(const Picture& picture, int32_t x, int32_t y, int32_t w, int32_t h, int32_t sourceX,
                           int32_t sourceY, int32_t sourceWidth, int32_t sourceHeight) override;

private:
    void record(std::string name, std::vector<int32_t> args, std::string text = {});

    int32_t width_, height_;
    std::vector<RecordedCall> calls_;
};
