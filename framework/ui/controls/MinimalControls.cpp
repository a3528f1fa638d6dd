#include "framework/ui/controls/MinimalControls.h"
#include "framework/ui/HandlerScope.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include "framework/graphics/Picture.h"
#include "framework/ui/ExceptionRouting.h"

namespace {
QColor qtColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

class RectangleWidget : public QWidget {
public:
    explicit RectangleWidget(Rectangle& r) : rect_(r) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), qtColor(rect_.FillColor.get()));
        int border = rect_.BorderWidth.get();
        if (border > 0) {
            QPen pen(qtColor(rect_.BorderColor.get()));
            pen.setWidth(border);
            pen.setJoinStyle(Qt::MiterJoin);
            p.setPen(pen);
            p.drawRect(QRectF(border / 2.0, border / 2.0, width() - border, height() - border));
        }
    }

private:
    Rectangle& rect_;
};
}  // namespace

GroupBox::GroupBox() : Caption(std::string()) {
    auto* box = new QGroupBox;
    setWidget(box);
    Caption.onChange([box](const std::string& c) { box->setTitle(QString::fromStdString(c)); });
}

Rectangle::Rectangle() : FillColor(0xFFFFFF), BorderColor(0x000000), BorderWidth(1) {
    setWidget(new RectangleWidget(*this));
    FillColor.onChange([this](const Color&) { widget()->update(); });
    BorderColor.onChange([this](const Color&) { widget()->update(); });
    BorderWidth.onChange([this](const int32_t&) { widget()->update(); });
}

Placard::Placard() {
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    setWidget(frame);
}

ImageWell::ImageWell() {
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    setWidget(label);
    Image.onChange([label](const std::shared_ptr<Picture>& picture) {
        label->setPixmap(picture ? QPixmap::fromImage(picture->image()) : QPixmap());
    });
}

CheckControl::CheckControl(QAbstractButton* button)
    : Caption([button] { return button->text().toStdString(); },
              [button](const std::string& c) { button->setText(QString::fromStdString(c)); }),
      Value([button] { return button->isChecked(); }, [button](const bool& v) { button->setChecked(v); }),
      button_(button) {
    setWidget(button);
    QObject::connect(button, &QAbstractButton::toggled, [this] { guardedHandler(*this, [this] { handleAction(); }); });
}

CheckBox::CheckBox() : CheckControl(new QCheckBox) {}

RadioButton::RadioButton() : CheckControl(new QRadioButton) {}
