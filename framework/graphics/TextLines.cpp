#include "framework/graphics/TextLines.h"

#include "framework/graphics/FontMapping.h"
#include "framework/graphics/Graphics.h"

QFont currentFont(const Graphics& g) {
    QFont font = resolveFont(g.TextFont, g.TextSize, g.Bold, g.Italic, g.Underline);
    // Letter by letter, as the old platform drew strings: a ligature ("fl",
    // "ffl") printed into a PDF reads as one glyph, and the printed words
    // could not be found by a search or copied out of the file.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

namespace {

// Breaks one paragraph (no line breaks inside) to fit `wrap`.
void wrapParagraph(const QString& paragraph, const QFontMetricsF& metrics, double wrap, QStringList& out) {
    QString line;
    const QStringList words = paragraph.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        QString word = words[i];
        const QString candidate = i == 0 ? word : line + QLatin1Char(' ') + word;
        if (i == 0 || metrics.horizontalAdvance(candidate) <= wrap) {
            line = candidate;
        } else {
            out << line;
            line = word;
        }
        // A single word wider than the line is cut where it overflows.
        while (line.size() > 1 && metrics.horizontalAdvance(line) > wrap) {
            int fit = 1;
            while (fit < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= wrap) ++fit;
            out << line.left(fit);
            line = line.mid(fit);
        }
    }
    out << line;
}

}  // namespace

QStringList wrapLines(const QString& text, const QFontMetricsF& metrics, double wrap) {
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList paragraphs = normalised.split(QLatin1Char('\n'));
    if (wrap <= 0) return paragraphs;
    QStringList lines;
    for (const QString& paragraph : paragraphs) wrapParagraph(paragraph, metrics, wrap, lines);
    return lines;
}
