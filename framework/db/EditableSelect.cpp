#include "framework/db/EditableSelect.h"

#include <vector>

#include "framework/text/Strings.h"

namespace {

struct Token {
    std::string text;  // as written
    size_t begin;      // byte offset in the statement
    int depth;         // parenthesis depth
};

bool identifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// Splits the statement into words, quoted names, strings and single
// characters; comments and blanks are dropped. nullopt for text it cannot
// read to the end (an unterminated quote or comment).
std::optional<std::vector<Token>> tokenize(const std::string& sql) {
    std::vector<Token> tokens;
    int depth = 0;
    for (size_t i = 0; i < sql.size();) {
        const char c = sql[i];
        const size_t start = i;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            while (i < sql.size() && sql[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            const size_t close = sql.find("*/", i + 2);
            if (close == std::string::npos) return std::nullopt;
            i = close + 2;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char closer = c == '[' ? ']' : c;
            ++i;
            while (true) {
                if (i >= sql.size()) return std::nullopt;
                if (sql[i] == closer) {
                    if (closer != ']' && i + 1 < sql.size() && sql[i + 1] == closer) {
                        i += 2;  // doubled quote inside
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            tokens.push_back({sql.substr(start, i - start), start, depth});
        } else if (identifierChar(c)) {
            while (i < sql.size() && identifierChar(sql[i])) ++i;
            tokens.push_back({sql.substr(start, i - start), start, depth});
        } else {
            if (c == '(') ++depth;
            tokens.push_back({std::string(1, c), start, c == ')' ? depth - 1 : depth});
            if (c == ')') --depth;
            ++i;
        }
    }
    return tokens;
}

bool is(const Token& t, const char* word) { return StrEq(t.text, word); }

std::string unquote(const std::string& name) {
    if (name.size() >= 2 && (name[0] == '"' || name[0] == '`' || name[0] == '[')) {
        const char quote = name[0];
        std::string inner = name.substr(1, name.size() - 2);
        if (quote != '[') inner = ReplaceAllB(inner, std::string(2, quote), std::string(1, quote));
        return inner;
    }
    return name;
}

bool isName(const Token& t) {
    return identifierChar(t.text[0]) || t.text[0] == '"' || t.text[0] == '`' || t.text[0] == '[';
}

}  // namespace

std::optional<EditableSelect> makeEditableSelect(const std::string& sql) {
    const auto tokens = tokenize(sql);
    if (!tokens || tokens->empty() || !is(tokens->front(), "select")) return std::nullopt;
    const std::vector<Token>& t = *tokens;
    size_t from = 0;
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].depth != 0) continue;
        for (const char* refused : {"distinct", "group", "having", "union", "intersect", "except", "join",
                                    "window", "values"})
            if (is(t[i], refused)) return std::nullopt;
        if (t[i].text == ";" && i + 1 != t.size()) return std::nullopt;  // more than one statement
        if (is(t[i], "from")) {
            if (from != 0) return std::nullopt;
            from = i;
        }
    }
    if (from == 0 || from + 1 >= t.size() || !isName(t[from + 1])) return std::nullopt;
    size_t next = from + 2;
    std::string table = t[from + 1].text;
    if (next + 1 < t.size() && t[next].text == "." && isName(t[next + 1])) {  // schema.table
        table = t[next + 1].text;
        next += 2;
    }
    if (next < t.size() && !(is(t[next], "where") || is(t[next], "order") || is(t[next], "limit") ||
                             t[next].text == ";"))
        return std::nullopt;  // an alias, a second table or something unexpected

    EditableSelect out;
    out.table = unquote(table);
    const std::string qualified = sql.substr(t[from + 1].begin, t[next - 1].begin + t[next - 1].text.size() -
                                                                     t[from + 1].begin);
    out.sql = sql.substr(0, t[from].begin) + ", " + qualified + "._rowid_ " + sql.substr(t[from].begin);
    return out;
}
