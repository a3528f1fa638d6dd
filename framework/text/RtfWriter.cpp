#include "framework/text/RtfWriter.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "framework/text/StyledText.h"
#include "framework/text/StringsUtf8.h"

namespace {

// The attributes as they appear in RTF: the font resolved to a family and
// the size to whole half-points.
struct ResolvedStyle {
    size_t font = 0;   // index into the font table
    long halfPoints = 24;
    size_t color = 0;  // index into the colour table, from 1
    bool bold = false, italic = false, underline = false, outline = false, shadow = false;
};

class RtfOutput {
public:
    explicit RtfOutput(std::string& out) : out_(out) {}

    void control(std::string_view word) {
        out_ += '\\';
        out_ += word;
        delimit_ = true;
    }
    void control(std::string_view word, long number) {
        control(word);
        out_ += std::to_string(number);
    }
    void raw(std::string_view text) {
        out_ += text;
        delimit_ = false;
    }
    void newline() { raw("\n"); }

    void character(char32_t c) {
        switch (c) {
        case U'\\': raw("\\\\"); return;
        case U'{': raw("\\{"); return;
        case U'}': raw("\\}"); return;
        case U'\t': control("tab"); return;
        default: break;
        }
        if (c >= 0x20 && c < 0x7F) {
            if (delimit_) out_ += ' ';
            out_ += static_cast<char>(c);
            delimit_ = false;
        } else if (c > 0xFFFF) {
            const char32_t v = c - 0x10000;
            unicode(0xD800 + (v >> 10));
            unicode(0xDC00 + (v & 0x3FF));
        } else {
            unicode(c);
        }
    }

private:
    // RTF numbers are signed 16-bit: code units above 32767 are written negative.
    void unicode(char32_t unit) {
        control("u", unit > 0x7FFF ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit));
        raw("?");
    }

    std::string& out_;
    bool delimit_ = false;  // a control word is open and text must be set apart
};

std::string resolvedFamily(const TextStyle& style) {
    return isSystemFontName(style.Font) ? textDefaults().Family : style.Font;
}

long halfPoints(const TextStyle& style) {
    const double size = style.Size > 0 ? style.Size : textDefaults().Size;
    return std::clamp(std::lround(size * 2), 1L, 32767L);
}

template <class T>
size_t indexOf(std::vector<T>& table, const T& value) {
    auto found = std::find(table.begin(), table.end(), value);
    if (found != table.end()) return static_cast<size_t>(found - table.begin());
    table.push_back(value);
    return table.size() - 1;
}

void writeCharacterChanges(RtfOutput& out, const ResolvedStyle& from, const ResolvedStyle& to, bool all) {
    if (all || from.font != to.font) out.control("f", static_cast<long>(to.font));
    if (all || from.halfPoints != to.halfPoints) out.control("fs", to.halfPoints);
    auto toggle = [&](bool before, bool now, std::string_view on, std::string_view off) {
        if (all ? now : before != now) out.control(now ? on : off);
    };
    toggle(from.bold, to.bold, "b", "b0");
    toggle(from.italic, to.italic, "i", "i0");
    toggle(from.underline, to.underline, "ul", "ulnone");
    toggle(from.outline, to.outline, "outl", "outl0");
    toggle(from.shadow, to.shadow, "shad", "shad0");
    if (all || from.color != to.color) out.control("cf", static_cast<long>(to.color));
}

void writeFontName(RtfOutput& out, const std::string& name) {
    for (size_t pos = 0; pos < name.size();) {
        const char32_t c = utf8::next(name, pos);
        // A semicolon ends a font table entry and control characters have no
        // place in a name.
        if (c != U';' && c >= 0x20) out.character(c);
    }
}

}  // namespace

std::string writeRtf(const StyledText& text) {
    // Resolve every run first: the tables must come before the text.
    std::vector<std::string> fonts;
    std::vector<uint32_t> colors;
    std::vector<std::pair<size_t, ResolvedStyle>> runs;  // start, style
    auto resolve = [&](const TextStyle& style) {
        ResolvedStyle r;
        r.font = indexOf(fonts, resolvedFamily(style));
        r.halfPoints = halfPoints(style);
        r.color = indexOf(colors, style.TextColor & 0xFFFFFF) + 1;
        r.bold = style.Bold;
        r.italic = style.Italic;
        r.underline = style.Underline;
        r.outline = style.Outline;
        r.shadow = style.Shadow;
        return r;
    };
    if (text.Length() == 0) runs.emplace_back(0, resolve(text.StyleAt(0)));
    for (const StyleRun& run : text.Runs()) runs.emplace_back(run.Start, resolve(run.Style));

    std::string result;
    result.reserve(text.Length() + 256);
    RtfOutput out(result);
    out.raw("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
    for (size_t i = 0; i < fonts.size(); ++i) {
        out.raw("{");
        out.control("f", static_cast<long>(i));
        out.control("fnil");
        writeFontName(out, fonts[i]);
        out.raw(";}");
    }
    out.raw("}{\\colortbl;");
    for (uint32_t color : colors) {
        out.control("red", (color >> 16) & 0xFF);
        out.control("green", (color >> 8) & 0xFF);
        out.control("blue", color & 0xFF);
        out.raw(";");
    }
    out.raw("}");
    out.newline();

    const std::u32string& characters = text.Characters();
    size_t nextRun = 0;
    ResolvedStyle current;
    for (size_t p = 0; p < text.ParagraphCount(); ++p) {
        const Paragraph paragraph = text.GetParagraph(p);
        if (p == 0 || paragraph.Alignment != text.Alignment(p - 1)) {
            out.control("pard");
            switch (paragraph.Alignment) {
            case TextAlignment::Left: out.control("ql"); break;
            case TextAlignment::Center: out.control("qc"); break;
            case TextAlignment::Right: out.control("qr"); break;
            case TextAlignment::Default: break;
            }
        }
        // The CR that ends a paragraph has a style of its own, set before \par.
        const size_t end = paragraph.StartPos + paragraph.Length;
        for (size_t i = paragraph.StartPos; i <= end; ++i) {
            while (nextRun < runs.size() && runs[nextRun].first <= i) {
                writeCharacterChanges(out, current, runs[nextRun].second, nextRun == 0);
                current = runs[nextRun].second;
                ++nextRun;
            }
            if (i < end) out.character(characters[i]);
        }
        if (p + 1 < text.ParagraphCount()) {
            out.control("par");
            out.newline();
        }
    }
    out.raw("}");
    return result;
}
