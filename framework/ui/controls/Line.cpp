#include "framework/ui/controls/Line.h"

#include <QPainter>
#include <QWidget>

namespace {
// Draws the line within its own box, corner to corner as the ends lie.
class LineWidget : public QWidget {
public:
    explicit LineWidget(Line& line) : line_(line) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        Color c = line_.LineColor.get();
        QPen pen(QColor(redOf(c), greenOf(c), blueOf(c)));
        pen.setWidth(std::max(line_.BorderWidth.get(), 1));
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        int left = std::min(line_.X1.get(), line_.X2.get()), top = std::min(line_.Y1.get(), line_.Y2.get());
        p.drawLine(line_.X1.get() - left, line_.Y1.get() - top, line_.X2.get() - left, line_.Y2.get() - top);
    }

private:
    Line& line_;
};
}  // namespace

Line::Line() : X1(0), Y1(0), X2(100), Y2(0), BorderWidth(1), LineColor(0x000000) {
    setWidget(new LineWidget(*this));
    for (Property<int32_t>* p : {&X1, &Y1, &X2, &Y2, &BorderWidth}) p->onChange([this](const int32_t&) { placeBox(); });
    LineColor.onChange([this](const Color&) {
        if (widget()) widget()->update();
    });
    placeBox();
}

void Line::placeBox() {
    int32_t pen = std::max(BorderWidth.get(), 1);
    Left = std::min(X1.get(), X2.get());
    Top = std::min(Y1.get(), Y2.get());
    Width = std::abs(X2.get() - X1.get()) + pen;
    Height = std::abs(Y2.get() - Y1.get()) + pen;
    if (widget()) widget()->update();
}
