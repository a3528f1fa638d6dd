#include "framework/text/RtfReader.h"

#include <algorithm>
#include <map>
#include <vector>

#include "framework/text/RtfCodePages.h"
#include "framework/text/RtfKeywords.h"
#include "framework/text/RtfTokenizer.h"
#include "framework/text/StringsUtf8.h"

namespace {

// Real documents nest a few dozen groups; deeper groups are skipped whole,
// which bounds the state stack whatever the input.
constexpr size_t MaxDepth = 200;
constexpr int32_t MaxUnicodeSkip = 16;
constexpr char32_t CR = U'\r';

enum class Destination { Body, FontTable, ColorTable };

struct CharacterState {
    int32_t font = -1;       // font number; -1 is the document's default font
    int32_t halfPoints = 0;  // 0 is the default size
    bool bold = false, italic = false, underline = false, outline = false, shadow = false;
    int32_t color = 0;       // colour table index; 0 is the automatic colour
    bool operator==(const CharacterState&) const = default;
};

struct GroupState {
    Destination destination = Destination::Body;
    CharacterState chars;
    TextAlignment alignment = TextAlignment::Default;
    int32_t unicodeSkip = 1;  // \ucN: fallback characters after each \uN
};

struct FontEntry {
    std::string name;
    std::optional<RtfCodePage> page;  // from \fcharset or \cpg
};

bool switchedOn(const RtfToken& t) { return !t.hasNumber || t.number != 0; }

class RtfParser {
public:
    explicit RtfParser(std::string_view input) : tokens_(input) {}
    StyledText parse();
    // Whether a group nested past the depth limit was skipped unread.
    bool skippedTooDeep() const { return skippedTooDeep_; }

private:
    GroupState& top() { return stack_.back(); }
    void openGroup();
    void closeGroup();
    // Reads past the rest of a group whose opening brace was read, and drops
    // its state if one was pushed for it.
    void skipGroup(bool statePushed);
    void controlWord(const RtfToken& t);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void byte(uint8_t b);
    void character(char32_t c);
    void deliver(char32_t c);  // a whole character to the current destination
    void bodyCharacter(char32_t c);
    void commitFont();
    void commitColor();
    // The style of the current group's characters, worked out again only
    // when the attributes or the tables have changed.
    const TextStyle& currentStyle();
    RtfCodePage currentPage() const;

    RtfTokenizer tokens_;
    std::vector<GroupState> stack_;
    bool groupFresh_ = false;  // nothing read yet in the group just opened
    bool finished_ = false;
    bool skippedTooDeep_ = false;
    int32_t pendingSkip_ = 0;  // fallback characters still to skip after \uN
    char32_t pendingHigh_ = 0;  // a high surrogate waiting for its low half

    RtfCodePage documentPage_ = RtfCodePage::Windows1252;
    int32_t defaultFont_ = -1;
    std::map<int32_t, FontEntry> fonts_;
    int32_t entryNumber_ = -1;
    FontEntry entry_;
    std::vector<uint32_t> colors_;
    uint32_t red_ = 0, green_ = 0, blue_ = 0;

    StyledText::Parts out_;
    CharacterState cachedChars_;
    TextStyle cachedStyle_;
    bool cacheValid_ = false;
    bool styleMayDiffer_ = true;  // the last run's style may not be the current one
    TextAlignment lastAlignment_ = TextAlignment::Default;
    bool paragraphHasText_ = false;
};

StyledText RtfParser::parse() {
    while (!finished_) {
        const RtfToken t = tokens_.next();
        if (t.kind == RtfToken::End) break;
        if (t.kind == RtfToken::GroupOpen || t.kind == RtfToken::GroupClose) {
            pendingSkip_ = 0;  // fallback text never reaches past a group
            t.kind == RtfToken::GroupOpen ? openGroup() : closeGroup();
            continue;
        }
        if (stack_.empty()) continue;  // nothing counts before the first group
        if (t.kind == RtfToken::Text && t.name.find_first_not_of("\r\n") == std::string_view::npos)
            continue;  // line ends in the source are layout, even between "{" and "\*"
        const bool fresh = groupFresh_;
        groupFresh_ = false;
        if (t.kind == RtfToken::Text) {
            text(t.name);
            continue;
        }
        if (pendingSkip_ > 0) {
            --pendingSkip_;
            continue;
        }
        switch (t.kind) {
        case RtfToken::HexByte: byte(t.byte); break;
        case RtfToken::ControlWord: controlWord(t); break;
        case RtfToken::ControlSymbol:
            if (t.symbol == '*' && fresh && stack_.size() > 1) skipGroup(true);
            else controlSymbol(t.symbol);
            break;
        default: break;
        }
    }
    if (pendingHigh_ != 0) {
        pendingHigh_ = 0;
        deliver(0xFFFD);
    }
    const GroupState end = stack_.empty() ? GroupState{} : top();
    out_.alignments.push_back(paragraphHasText_ ? lastAlignment_ : end.alignment);
    if (stack_.empty()) stack_.push_back(end);
    out_.emptyStyle = currentStyle();
    return StyledText::fromParts(std::move(out_));
}

void RtfParser::openGroup() {
    if (stack_.size() >= MaxDepth) {
        groupFresh_ = false;
        skippedTooDeep_ = true;
        skipGroup(false);
        return;
    }
    stack_.push_back(stack_.empty() ? GroupState{} : top());
    groupFresh_ = true;
}

void RtfParser::closeGroup() {
    groupFresh_ = false;
    if (stack_.empty()) return;
    const Destination closing = top().destination;
    if (closing == Destination::FontTable) commitFont();
    if (stack_.size() == 1) {
        finished_ = true;  // the document's own group ends; what follows is not ours
        return;
    }
    stack_.pop_back();
}

void RtfParser::skipGroup(bool statePushed) {
    size_t depth = 1;
    while (depth > 0) {
        const RtfToken t = tokens_.next();
        if (t.kind == RtfToken::End) return;
        if (t.kind == RtfToken::GroupOpen) ++depth;
        else if (t.kind == RtfToken::GroupClose) --depth;
        else if (t.kind == RtfToken::ControlWord && t.name == "bin" && t.hasNumber) tokens_.skipBytes(t.number);
    }
    if (statePushed && stack_.size() > 1) stack_.pop_back();
}

void RtfParser::controlWord(const RtfToken& t) {
    const std::string_view w = t.name;
    GroupState& g = top();
    CharacterState& c = g.chars;

    if (isSkippedDestination(w) && stack_.size() > 1) {
        skipGroup(true);
        return;
    }
    if (const char32_t special = specialCharacter(w)) {
        character(special);
        return;
    }
    if (w == "par" || w == "line" || w == "page" || w == "row") character(CR);
    else if (w == "tab" || w == "cell") character(U'\t');
    else if (w == "u" && t.hasNumber) {
        // Signed 16-bit in the standard; some writers give larger code points.
        const int64_t n = t.number < 0 ? int64_t{t.number} + 0x10000 : t.number;
        character(n >= 0 && n <= 0x10FFFF ? static_cast<char32_t>(n) : 0xFFFD);
        pendingSkip_ = g.unicodeSkip;
    } else if (w == "uc" && t.hasNumber) g.unicodeSkip = std::clamp(t.number, 0, MaxUnicodeSkip);
    else if (w == "bin" && t.hasNumber) tokens_.skipBytes(t.number);
    // Character attributes.
    else if (w == "plain") c = CharacterState{};
    else if (w == "f" && t.hasNumber) {
        if (g.destination == Destination::FontTable) {
            commitFont();
            entryNumber_ = t.number;
        } else {
            c.font = t.number;
        }
    } else if (w == "fs") c.halfPoints = t.hasNumber ? std::clamp(t.number, 0, 32767) : 0;
    else if (w == "b") c.bold = switchedOn(t);
    else if (w == "i") c.italic = switchedOn(t);
    else if (w == "outl") c.outline = switchedOn(t);
    else if (w == "shad") c.shadow = switchedOn(t);
    else if (w == "ulnone") c.underline = false;
    else if (w.starts_with("ul") && w != "ulc") c.underline = switchedOn(t);
    else if (w == "cf") c.color = t.hasNumber ? std::max(t.number, 0) : 0;
    // Paragraph attributes.
    // Cocoa writes natural alignment as \ql\qnatural: left for readers
    // that do not know the second word.
    else if (w == "pard" || w == "qnatural") g.alignment = TextAlignment::Default;
    else if (w == "ql" || w == "qj" || w == "qd") g.alignment = TextAlignment::Left;
    else if (w == "qc") g.alignment = TextAlignment::Center;
    else if (w == "qr") g.alignment = TextAlignment::Right;
    // Document and tables.
    else if (w == "ansi" || w == "pc" || w == "pca") documentPage_ = RtfCodePage::Windows1252;
    else if (w == "mac") documentPage_ = RtfCodePage::MacRoman;
    else if (w == "ansicpg" && t.hasNumber) documentPage_ = codePageFromNumber(t.number);
    else if (w == "deff" && t.hasNumber) {
        defaultFont_ = t.number;
        cacheValid_ = false;
    }
    else if (w == "fonttbl") g.destination = Destination::FontTable;
    else if (w == "colortbl") g.destination = Destination::ColorTable;
    else if (w == "fcharset" && t.hasNumber) {
        if (t.number == 77) entry_.page = RtfCodePage::MacRoman;
    } else if (w == "cpg" && t.hasNumber) entry_.page = codePageFromNumber(t.number);
    else if (w == "red" && t.hasNumber) red_ = static_cast<uint32_t>(std::clamp(t.number, 0, 255));
    else if (w == "green" && t.hasNumber) green_ = static_cast<uint32_t>(std::clamp(t.number, 0, 255));
    else if (w == "blue" && t.hasNumber) blue_ = static_cast<uint32_t>(std::clamp(t.number, 0, 255));
    // Anything else changes nothing this model keeps.
}

void RtfParser::controlSymbol(char symbol) {
    switch (symbol) {
    case '\\': case '{': case '}': character(static_cast<unsigned char>(symbol)); break;
    case '~': character(0x00A0); break;
    case '_': character(0x2011); break;
    case '\n': character(CR); break;  // a backslash before a line end is a paragraph break
    default: break;                   // \- (optional hyphen), \: and the rest show nothing
    }
}

void RtfParser::text(std::string_view bytes) {
    size_t i = 0;
    if (pendingSkip_ > 0) {
        const size_t skipped = std::min(bytes.size(), static_cast<size_t>(pendingSkip_));
        pendingSkip_ -= static_cast<int32_t>(skipped);
        i = skipped;
    }
    for (; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        // Line ends in RTF source are layout of the file, not text.
        if (b == '\t') character(U'\t');
        else if (b >= 0x20) byte(b);
    }
}

void RtfParser::byte(uint8_t b) {
    character(b < 0x80 ? char32_t{b} : decodeByte(b, currentPage()));
}

RtfCodePage RtfParser::currentPage() const {
    const GroupState& g = stack_.back();
    if (g.destination == Destination::FontTable) return entry_.page.value_or(documentPage_);
    auto font = fonts_.find(g.chars.font >= 0 ? g.chars.font : defaultFont_);
    return font != fonts_.end() && font->second.page ? *font->second.page : documentPage_;
}

void RtfParser::character(char32_t c) {
    // Characters beyond U+FFFF arrive as two \uN halves, in font names too.
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (pendingHigh_ != 0) deliver(0xFFFD);
        pendingHigh_ = c;
        return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
        c = pendingHigh_ != 0 ? 0x10000 + ((pendingHigh_ - 0xD800) << 10) + (c - 0xDC00) : 0xFFFD;
        pendingHigh_ = 0;
    } else if (pendingHigh_ != 0) {
        pendingHigh_ = 0;
        deliver(0xFFFD);
    }
    deliver(c);
}

void RtfParser::deliver(char32_t c) {
    switch (top().destination) {
    case Destination::FontTable:
        if (c == U';') commitFont();
        else if (c >= 0x20) utf8::append(entry_.name, c);
        return;
    case Destination::ColorTable:
        if (c == U';') commitColor();
        return;
    case Destination::Body: bodyCharacter(c); return;
    }
}

void RtfParser::bodyCharacter(char32_t c) {
    if (c == 0) return;
    if (c == U'\n' || c == 0x2028 || c == 0x2029) c = CR;
    const TextStyle& style = currentStyle();
    if (styleMayDiffer_) {
        if (out_.runStarts.empty() || !(out_.runStarts.back().second == style))
            out_.runStarts.emplace_back(out_.text.size(), style);
        styleMayDiffer_ = false;
    }
    out_.text += c;
    if (c == CR) {
        // A paragraph takes the alignment in force at its end.
        out_.alignments.push_back(top().alignment);
        paragraphHasText_ = false;
    } else {
        lastAlignment_ = top().alignment;
        paragraphHasText_ = true;
    }
}

const TextStyle& RtfParser::currentStyle() {
    const CharacterState& c = top().chars;
    if (cacheValid_ && c == cachedChars_) return cachedStyle_;
    styleMayDiffer_ = true;
    TextStyle& s = cachedStyle_;
    s = TextStyle{};
    auto font = fonts_.find(c.font >= 0 ? c.font : defaultFont_);
    if (font != fonts_.end() && !font->second.name.empty()) s.Font = font->second.name;
    s.Size = c.halfPoints > 0 ? c.halfPoints / 2.0 : 0;
    s.Bold = c.bold;
    s.Italic = c.italic;
    s.Underline = c.underline;
    s.Outline = c.outline;
    s.Shadow = c.shadow;
    s.TextColor = c.color > 0 && static_cast<size_t>(c.color) < colors_.size() ? colors_[c.color] : 0;
    cachedChars_ = c;
    cacheValid_ = true;
    return s;
}

void RtfParser::commitFont() {
    // Names are trimmed; the first definition of a number wins.
    const auto first = entry_.name.find_first_not_of(' ');
    const auto last = entry_.name.find_last_not_of(' ');
    entry_.name = first == std::string::npos ? "" : entry_.name.substr(first, last - first + 1);
    if (entryNumber_ >= 0 && !fonts_.contains(entryNumber_)) fonts_[entryNumber_] = entry_;
    entryNumber_ = -1;
    entry_ = FontEntry{};
    cacheValid_ = false;
}

void RtfParser::commitColor() {
    // An entry with no components (normally the first) is the automatic
    // colour, shown as black.
    colors_.push_back(red_ << 16 | green_ << 8 | blue_);
    red_ = green_ = blue_ = 0;
    cacheValid_ = false;
}

}  // namespace

bool opensAsRtf(std::string_view rtf) {
    size_t i = 0;
    if (rtf.starts_with("\xEF\xBB\xBF")) i = 3;
    while (i < rtf.size() && (rtf[i] == ' ' || rtf[i] == '\t' || rtf[i] == '\r' || rtf[i] == '\n')) ++i;
    return rtf.substr(i).starts_with("{\\rtf");
}

std::optional<StyledText> readRtf(std::string_view rtf, bool* skippedTooDeep) {
    if (skippedTooDeep) *skippedTooDeep = false;
    if (!opensAsRtf(rtf)) return std::nullopt;
    RtfParser parser(rtf);
    StyledText text = parser.parse();
    if (skippedTooDeep) *skippedTooDeep = parser.skippedTooDeep();
    return text;
}
