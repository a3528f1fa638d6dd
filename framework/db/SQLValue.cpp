#include "framework/db/SQLValue.h"

#include <sqlite3.h>

#include <cmath>
#include <limits>

#include "framework/data/MemoryBlock.h"
#include "framework/text/Strings.h"

namespace {

int64_t saturatingInt64(double d) {
    if (std::isnan(d)) return 0;
    if (d >= 9223372036854775807.0) return std::numeric_limits<int64_t>::max();
    if (d <= -9223372036854775808.0) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(d);
}

// Text to integer without passing through a double, so large integers
// stored as text keep every digit.
int64_t textToInt64(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    const size_t start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) ++pos;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
    const bool fractionOrExponent = pos < text.size() && (text[pos] == '.' || text[pos] == 'e' || text[pos] == 'E');
    if (!fractionOrExponent && pos - start <= 18) return std::strtoll(text.c_str() + start, nullptr, 10);
    return saturatingInt64(Val(text));
}

}  // namespace

SQLRef sqlRef(const SQLValue& v) {
    SQLRef ref;
    if (auto i = std::get_if<int64_t>(&v)) ref = {SQLType::Integer, *i, 0, {}};
    else if (auto d = std::get_if<double>(&v)) ref = {SQLType::Real, 0, *d, {}};
    else if (auto s = std::get_if<std::string>(&v)) ref = {SQLType::Text, 0, 0, *s};
    else if (auto b = std::get_if<SQLBlob>(&v)) ref = {SQLType::Blob, 0, 0, b->bytes};
    return ref;
}

std::string sqlValueString(const SQLRef& v) {
    switch (v.type) {
    case SQLType::Integer: return std::to_string(v.integer);
    case SQLType::Real: {
        char buffer[64];
        sqlite3_snprintf(sizeof buffer, buffer, "%!.15g", v.real);
        return buffer;
    }
    case SQLType::Text:
    case SQLType::Blob: return std::string(v.bytes);
    case SQLType::Null: break;
    }
    return "";
}

int64_t sqlValueInt64(const SQLRef& v) {
    switch (v.type) {
    case SQLType::Integer: return v.integer;
    case SQLType::Real: return saturatingInt64(v.real);
    case SQLType::Text:
    case SQLType::Blob: return textToInt64(std::string(v.bytes));
    case SQLType::Null: break;
    }
    return 0;
}

double sqlValueDouble(const SQLRef& v) {
    switch (v.type) {
    case SQLType::Integer: return static_cast<double>(v.integer);
    case SQLType::Real: return v.real;
    case SQLType::Text:
    case SQLType::Blob: return Val(std::string(v.bytes));
    case SQLType::Null: break;
    }
    return 0;
}

bool sqlValueBoolean(const SQLRef& v) {
    if (v.type == SQLType::Text) {
        const std::string text(v.bytes);
        return StrEq(Trim(text), "true") || Val(text) != 0;
    }
    return sqlValueDouble(v) != 0;
}

Variant sqlValueToVariant(const SQLRef& v) {
    switch (v.type) {
    case SQLType::Integer:
        if (v.integer >= std::numeric_limits<int32_t>::min() && v.integer <= std::numeric_limits<int32_t>::max())
            return Variant(static_cast<int32_t>(v.integer));
        return Variant(v.integer);
    case SQLType::Real: return Variant(v.real);
    case SQLType::Text: return Variant(std::string(v.bytes));
    case SQLType::Blob: return Variant::FromBytes(std::string(v.bytes), EncodingCode::None);
    case SQLType::Null: break;
    }
    return Variant();
}

std::optional<SQLValue> sqlValueFromVariant(const Variant& v) {
    switch (v.Type()) {
    case VariantType::Nil: return SQLValue();
    case VariantType::Boolean: return SQLValue(int64_t(v.BooleanValue() ? 1 : 0));
    case VariantType::Integer:
    case VariantType::Int64:
    case VariantType::Color: return SQLValue(v.Int64Value());
    case VariantType::Single:
    case VariantType::Double:
    case VariantType::Currency: return SQLValue(v.DoubleValue());
    case VariantType::Date:
    case VariantType::String: return SQLValue(v.StringValue());
    default:
        if (auto block = v.MemoryBlockValue()) return SQLValue(SQLBlob{block->ToString()});
        return std::nullopt;
    }
}
