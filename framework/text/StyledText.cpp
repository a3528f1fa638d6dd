#include "framework/text/StyledText.h"

#include <algorithm>

#include "framework/runtime/RuntimeException.h"
#include "framework/text/RtfReader.h"
#include "framework/text/RtfWriter.h"
#include "framework/text/StringsUtf8.h"

namespace {

constexpr char32_t CR = U'\r';

// UTF-8 in, code points out, with every kind of line end made a CR: the
// paragraph separator of this model (U+2028 and U+2029 are what editors hand
// over for line and paragraph breaks).
std::u32string toCharacters(const std::string& text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        char32_t c = utf8::next(text, pos);
        if (c == CR && pos < text.size() && text[pos] == '\n') ++pos;
        if (c == U'\n' || c == 0x2028 || c == 0x2029) c = CR;
        out += c;
    }
    return out;
}

std::string toUtf8(std::u32string_view characters) {
    std::string out;
    out.reserve(characters.size());
    for (char32_t c : characters) utf8::append(out, c);
    return out;
}

}  // namespace

StyledText::StyledText() : runs_{{0, TextStyle{}}}, alignments_{TextAlignment::Default}, paragraphStarts_{0} {}

StyledText::StyledText(const std::string& text, const TextStyle& style) : StyledText() {
    runs_.front().second = style;
    SetText(text);
}

StyledText StyledText::fromParts(Parts parts) {
    StyledText result;
    result.text_ = std::move(parts.text);
    if (result.text_.empty() || parts.runStarts.empty() || parts.runStarts.front().first != 0)
        result.runs_ = {{0, parts.emptyStyle}};
    else
        result.runs_ = std::move(parts.runStarts);
    std::stable_sort(result.runs_.begin(), result.runs_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    result.mergeRuns();
    result.rebuildParagraphStarts();
    result.alignments_ = std::move(parts.alignments);
    result.alignments_.resize(result.paragraphStarts_.size(), TextAlignment::Default);
    return result;
}

// --- characters -------------------------------------------------------------

std::string StyledText::Text() const { return toUtf8(text_); }

void StyledText::SetText(const std::string& text) {
    const TextStyle style = runs_.front().second;
    text_ = toCharacters(text);
    runs_ = {{0, style}};
    rebuildParagraphStarts();
    alignments_.assign(paragraphStarts_.size(), TextAlignment::Default);
}

// --- RTF --------------------------------------------------------------------

std::string StyledText::RTFData() const { return writeRtf(*this); }

bool StyledText::SetRTFData(const std::string& rtf) {
    if (rtf.empty()) {
        SetText("");
        alignments_ = {TextAlignment::Default};
        return true;
    }
    std::optional<StyledText> read = readRtf(rtf);
    if (!read) return false;
    *this = std::move(*read);
    return true;
}

// --- runs -------------------------------------------------------------------

size_t StyledText::RunCount() const { return text_.empty() ? 0 : runs_.size(); }

StyleRun StyledText::Run(size_t index) const {
    if (index >= RunCount()) throw OutOfBoundsException("StyledText.Run: index out of range");
    StyleRun run;
    run.Start = runs_[index].first;
    const size_t end = index + 1 < runs_.size() ? runs_[index + 1].first : text_.size();
    run.Length = end - run.Start;
    run.Text = toUtf8(std::u32string_view(text_).substr(run.Start, run.Length));
    run.Style = runs_[index].second;
    return run;
}

std::vector<StyleRun> StyledText::Runs() const {
    std::vector<StyleRun> runs;
    for (size_t i = 0; i < RunCount(); ++i) runs.push_back(Run(i));
    return runs;
}

void StyledText::appendCharacters(const std::u32string& text, const TextStyle& style) {
    if (text.empty()) return;
    if (text_.empty()) runs_.clear();
    if (runs_.empty() || !(runs_.back().second == style)) runs_.emplace_back(text_.size(), style);
    const size_t oldLength = text_.size();
    text_ += text;
    // The paragraph the new text continues keeps its alignment; new
    // paragraphs start with the default one.
    for (size_t i = oldLength; i < text_.size(); ++i)
        if (text_[i] == CR) paragraphStarts_.push_back(i + 1);
    alignments_.resize(paragraphStarts_.size(), TextAlignment::Default);
}

void StyledText::AppendStyleRun(const StyleRun& run) { appendCharacters(toCharacters(run.Text), run.Style); }

void StyledText::Append(const StyledText& other) {
    if (other.text_.empty()) return;
    const size_t firstNewParagraph = alignments_.size();
    // The paragraph the appended text continues takes the appended text's
    // alignment only when it held nothing yet.
    const bool lastParagraphEmpty = paragraphStarts_.back() == text_.size();
    for (size_t i = 0; i < other.runs_.size(); ++i) {
        const size_t start = other.runs_[i].first;
        const size_t end = i + 1 < other.runs_.size() ? other.runs_[i + 1].first : other.text_.size();
        appendCharacters(other.text_.substr(start, end - start), other.runs_[i].second);
    }
    if (lastParagraphEmpty) alignments_[firstNewParagraph - 1] = other.alignments_.front();
    for (size_t i = 1; i < other.alignments_.size(); ++i)
        alignments_[firstNewParagraph - 1 + i] = other.alignments_[i];
}

StyledText StyledText::SubText(size_t start, size_t length) const {
    auto [from, count] = clamp(start, length);
    Parts parts;
    parts.text = text_.substr(from, count);
    parts.emptyStyle = StyleAt(from);
    for (size_t i = runIndexAt(from); i < runs_.size() && runs_[i].first < from + count; ++i)
        parts.runStarts.emplace_back(std::max(runs_[i].first, from) - from, runs_[i].second);
    const size_t first = ParagraphIndex(from);
    const size_t last = ParagraphIndex(from + count);
    parts.alignments.assign(alignments_.begin() + static_cast<std::ptrdiff_t>(first),
                            alignments_.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    return fromParts(std::move(parts));
}

TextStyle StyledText::StyleAt(size_t offset) const { return runs_[runIndexAt(offset)].second; }

// --- style changes ----------------------------------------------------------

void StyledText::ChangeStyle(size_t start, size_t length, const std::function<void(TextStyle&)>& change) {
    auto [from, count] = clamp(start, length);
    if (count == 0) {
        // Nothing selected: only the style new text takes can change, and
        // that exists separately only while the text is empty.
        if (text_.empty()) change(runs_.front().second);
        return;
    }
    splitAt(from);
    splitAt(from + count);
    for (auto& [runStart, style] : runs_)
        if (runStart >= from && runStart < from + count) change(style);
    mergeRuns();
}

void StyledText::SetFont(size_t start, size_t length, const std::string& font) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Font = font; });
}
void StyledText::SetSize(size_t start, size_t length, double size) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Size = size > 0 ? size : 0; });
}
void StyledText::SetBold(size_t start, size_t length, bool value) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Bold = value; });
}
void StyledText::SetItalic(size_t start, size_t length, bool value) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Italic = value; });
}
void StyledText::SetUnderline(size_t start, size_t length, bool value) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Underline = value; });
}
void StyledText::SetOutline(size_t start, size_t length, bool value) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Outline = value; });
}
void StyledText::SetShadow(size_t start, size_t length, bool value) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.Shadow = value; });
}
void StyledText::SetTextColor(size_t start, size_t length, uint32_t color) {
    ChangeStyle(start, length, [&](TextStyle& s) { s.TextColor = color & 0xFFFFFF; });
}
void StyledText::SetStyle(size_t start, size_t length, const TextStyle& style) {
    ChangeStyle(start, length, [&](TextStyle& s) { s = style; });
}

// --- paragraphs -------------------------------------------------------------

Paragraph StyledText::GetParagraph(size_t index) const {
    if (index >= paragraphStarts_.size()) throw OutOfBoundsException("StyledText.Paragraph: index out of range");
    Paragraph p;
    p.StartPos = paragraphStarts_[index];
    const size_t end = index + 1 < paragraphStarts_.size() ? paragraphStarts_[index + 1] - 1 : text_.size();
    p.Length = end - p.StartPos;
    p.Alignment = alignments_[index];
    return p;
}

size_t StyledText::ParagraphIndex(size_t offset) const {
    auto after = std::upper_bound(paragraphStarts_.begin(), paragraphStarts_.end(), std::min(offset, text_.size()));
    return static_cast<size_t>(after - paragraphStarts_.begin()) - 1;
}

TextAlignment StyledText::Alignment(size_t paragraphIndex) const {
    if (paragraphIndex >= alignments_.size()) throw OutOfBoundsException("StyledText.Alignment: index out of range");
    return alignments_[paragraphIndex];
}

void StyledText::SetAlignment(size_t paragraphIndex, TextAlignment alignment) {
    if (paragraphIndex >= alignments_.size()) throw OutOfBoundsException("StyledText.Alignment: index out of range");
    alignments_[paragraphIndex] = alignment;
}

void StyledText::SetAlignment(size_t start, size_t length, TextAlignment alignment) {
    auto [from, count] = clamp(start, length);
    const size_t last = ParagraphIndex(count == 0 ? from : from + count - 1);
    for (size_t i = ParagraphIndex(from); i <= last; ++i) alignments_[i] = alignment;
}

// --- invariants -------------------------------------------------------------

std::pair<size_t, size_t> StyledText::clamp(size_t start, size_t length) const {
    const size_t from = std::min(start, text_.size());
    return {from, std::min(length, text_.size() - from)};
}

size_t StyledText::runIndexAt(size_t offset) const {
    if (!text_.empty()) offset = std::min(offset, text_.size() - 1);
    auto after = std::upper_bound(runs_.begin(), runs_.end(), offset,
                                  [](size_t value, const auto& run) { return value < run.first; });
    return static_cast<size_t>(after - runs_.begin()) - 1;
}

void StyledText::splitAt(size_t offset) {
    if (offset == 0 || offset >= text_.size()) return;
    const size_t i = runIndexAt(offset);
    if (runs_[i].first == offset) return;
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i) + 1, {offset, runs_[i].second});
}

void StyledText::mergeRuns() {
    std::vector<std::pair<size_t, TextStyle>> merged;
    merged.reserve(runs_.size());
    for (auto& run : runs_) {
        // A run at or past the end styles nothing; of two runs starting at
        // the same offset the earlier one styles nothing.
        if (!text_.empty() && run.first >= text_.size()) continue;
        if (!merged.empty() && merged.back().first == run.first) merged.back().second = std::move(run.second);
        else merged.push_back(std::move(run));
    }
    auto last = std::unique(merged.begin(), merged.end(),
                            [](const auto& a, const auto& b) { return a.second == b.second; });
    merged.erase(last, merged.end());
    runs_ = std::move(merged);
}

void StyledText::rebuildParagraphStarts() {
    paragraphStarts_ = {0};
    for (size_t i = 0; i < text_.size(); ++i)
        if (text_[i] == CR) paragraphStarts_.push_back(i + 1);
}
