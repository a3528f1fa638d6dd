#include "framework/ui/controls/StyledFormats.h"

#include <QBrush>
#include <QColor>
#include <QPen>

#include "framework/graphics/Color.h"
#include "framework/graphics/FontMapping.h"

using namespace styled_format;

namespace {

QColor qtColorOf(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

Color colorOf(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

}  // namespace

double shownSize(const TextStyle& style) {
    return style.Size >= 1 ? static_cast<int>(style.Size) : defaultPixelSize(style.Font);
}

QTextCharFormat charFormatFor(const TextStyle& style) {
    QTextCharFormat f;
    f.setFont(resolveFont(style.Font, style.Size, style.Bold, style.Italic, style.Underline),
              QTextCharFormat::FontPropertiesAll);
    f.setForeground(QBrush(qtColorOf(style.TextColor)));
    // An outline with no pen would still count as "set" for Qt; clear it.
    if (style.Outline) f.setTextOutline(QPen(qtColorOf(style.TextColor), 1));
    else f.clearProperty(QTextFormat::TextOutline);
    f.setProperty(FontName, QString::fromStdString(style.Font));
    f.setProperty(FontSize, style.Size > 0 ? style.Size : 0.0);
    f.setProperty(Shadow, style.Shadow);
    return f;
}

TextStyle styleOf(const QTextCharFormat& f, const TextStyle& fallback) {
    TextStyle s = fallback;
    if (f.hasProperty(FontName)) s.Font = f.stringProperty(FontName).toStdString();
    else if (!f.fontFamilies().toStringList().isEmpty()) s.Font = f.fontFamilies().toStringList().front().toStdString();
    if (f.hasProperty(FontSize)) s.Size = f.doubleProperty(FontSize);
    else if (f.hasProperty(QTextFormat::FontPixelSize)) s.Size = f.intProperty(QTextFormat::FontPixelSize);
    else if (f.hasProperty(QTextFormat::FontPointSize)) s.Size = f.fontPointSize();  // a point is a pixel here
    if (f.hasProperty(QTextFormat::FontWeight)) s.Bold = f.fontWeight() >= QFont::DemiBold;
    if (f.hasProperty(QTextFormat::FontItalic)) s.Italic = f.fontItalic();
    if (f.hasProperty(QTextFormat::FontUnderline) || f.hasProperty(QTextFormat::TextUnderlineStyle))
        s.Underline = f.fontUnderline();
    if (f.hasProperty(QTextFormat::TextOutline)) s.Outline = f.textOutline().style() != Qt::NoPen;
    if (f.hasProperty(Shadow)) s.Shadow = f.boolProperty(Shadow);
    if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush)
        s.TextColor = colorOf(f.foreground().color());
    return s;
}

QTextBlockFormat blockFormatFor(TextAlignment alignment) {
    QTextBlockFormat f;
    switch (alignment) {
    case TextAlignment::Left: f.setAlignment(Qt::AlignLeft); break;
    case TextAlignment::Center: f.setAlignment(Qt::AlignHCenter); break;
    case TextAlignment::Right: f.setAlignment(Qt::AlignRight); break;
    case TextAlignment::Default: break;
    }
    f.setProperty(AlignmentCode, static_cast<int>(alignment));
    return f;
}

// Without our code (text pasted from elsewhere, a plain field's paragraphs)
// left reads as the default, which looks the same.
TextAlignment alignmentOf(const QTextBlockFormat& f) {
    if (f.hasProperty(AlignmentCode)) {
        const int code = f.intProperty(AlignmentCode);
        if (code >= 0 && code <= 3) return static_cast<TextAlignment>(code);
    }
    if (!f.hasProperty(QTextFormat::BlockAlignment)) return TextAlignment::Default;
    if (f.alignment() & Qt::AlignHCenter) return TextAlignment::Center;
    if (f.alignment() & Qt::AlignRight) return TextAlignment::Right;
    return TextAlignment::Default;
}
