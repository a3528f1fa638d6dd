#include "framework/ui/controls/StaticText.h"

#include <QLabel>

#include "framework/graphics/FontMapping.h"

namespace {
QString shownText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}
}  // namespace

StaticText::StaticText()
    : Text(std::string()), TextAlign(0), TextColor(0x000000), TextFont(std::string("System")), TextSize(0.0),
      Bold(false), Italic(false), Underline(false), Multiline(false), label_(new QLabel) {
    label_->setTextFormat(Qt::PlainText);
    setWidget(label_);
    Text.onChange([this](const std::string& text) { label_->setText(shownText(text)); });
    Multiline.onChange([this](const bool& multi) { label_->setWordWrap(multi); });
    TextAlign.onChange([this](const int32_t&) { applyLook(); });
    TextColor.onChange([this](const Color&) { applyLook(); });
    TextFont.onChange([this](const std::string&) { applyLook(); });
    TextSize.onChange([this](const double&) { applyLook(); });
    for (Property<bool>* p : {&Bold, &Italic, &Underline}) p->onChange([this](const bool&) { applyLook(); });
    applyLook();
}

void StaticText::applyLook() {
    Qt::Alignment h = TextAlign.get() == 1 ? Qt::AlignHCenter : TextAlign.get() == 2 ? Qt::AlignRight : Qt::AlignLeft;
    label_->setAlignment(h | Qt::AlignTop);
    label_->setFont(resolveFont(TextFont.get(), TextSize.get(), Bold.get(), Italic.get(), Underline.get()));
    Color c = TextColor.get();
    QPalette p = label_->palette();
    p.setColor(QPalette::WindowText, QColor(redOf(c), greenOf(c), blueOf(c)));
    label_->setPalette(p);
}
