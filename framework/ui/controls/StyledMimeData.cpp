#include "framework/ui/controls/StyledMimeData.h"

#include <QMimeData>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include "framework/text/RtfReader.h"
#include "framework/text/RtfWriter.h"
#include "framework/ui/controls/StyledDocument.h"

namespace {

const QStringList& rtfFormats() {
    static const QStringList formats{QStringLiteral("text/rtf"), QStringLiteral("application/rtf")};
    return formats;
}

// HTML copied from a browser can be large; beyond this it is pasted as text.
constexpr qsizetype kLargestHtml = 8 << 20;

}  // namespace

bool hasStyledMimeData(const QMimeData& data) {
    for (const QString& format : rtfFormats())
        if (data.hasFormat(format)) return true;
    return data.hasHtml();
}

std::optional<StyledText> styledTextFromMimeData(const QMimeData& data, const TextStyle& fallback) {
    for (const QString& format : rtfFormats()) {
        if (!data.hasFormat(format)) continue;
        const QByteArray bytes = data.data(format);
        if (auto text = readRtf(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) return text;
    }
    if (!data.hasHtml()) return std::nullopt;
    const QString html = data.html();
    if (html.size() > kLargestHtml) return std::nullopt;
    // Qt reads the HTML into a scratch document that is never shown; only
    // its text, character formats and alignments are taken from there.
    QTextDocument scratch;
    scratch.setHtml(html);
    return styledTextOf(scratch, fallback);
}

QMimeData* mimeDataFor(const StyledText& text) {
    auto* data = new QMimeData;
    QString plain = QString::fromStdString(text.Text());
    plain.replace(QChar('\r'), QChar('\n'));
    data->setText(plain);
    const std::string rtf = writeRtf(text);
    data->setData(rtfFormats().front(), QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
    return data;
}
