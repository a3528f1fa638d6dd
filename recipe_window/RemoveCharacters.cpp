// Main.Remove: a text without the characters of a set, compared as bytes
// (so case matters, and "é" goes only when "é" itself is in the set).
#include "framework/text/StringsUtf8.h"
#include "recipe_window/Main.h"

std::string MainWindow::Remove(const std::string& source, const std::string& chars) const {
    // A text of one byte is kept whole, even when that byte is in the set.
    if (source.size() < 2) return source;
    std::string kept;
    kept.reserve(source.size());
    for (size_t pos = 0; pos < source.size();) {
        const size_t start = pos;
        utf8::next(source, pos);
        const std::string_view character(source.data() + start, pos - start);
        if (chars.find(character) == std::string::npos) kept.append(character);
    }
    return kept;
}
