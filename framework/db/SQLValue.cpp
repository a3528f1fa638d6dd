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

std::string sqlValueString(const SQLValue& v) {
    if (auto i = std::get_if<int64_t>(&v)) return std::to_string(*i);
    if (auto d = std::get_if<double>(&v)) {
        char buffer[64];
        sqlite3_snprintf(sizeof buffer, buffer, "%!.15g", *d);
        return buffer;
    }
    if (auto s = std::get_if<std::string>(&v)) return *s;
    if (auto b = std::get_if<SQLBlob>(&v)) return b->bytes;
    return "";
}

int64_t sqlValueInt64(const SQLValue& v) {
    if (auto i = std::get_if<int64_t>(&v)) return *i;
    if (auto d = std::get_if<double>(&v)) return saturatingInt64(*d);
    if (auto s = std::get_if<std::string>(&v)) return textToInt64(*s);
    if (auto b = std::get_if<SQLBlob>(&v)) return textToInt64(b->bytes);
    return 0;
}

double sqlValueDouble(const SQLValue& v) {
    if (auto i = std::get_if<int64_t>(&v)) return static_cast<double>(*i);
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto s = std::get_if<std::string>(&v)) return Val(*s);
    if (auto b = std::get_if<SQLBlob>(&v)) return Val(b->bytes);
    return 0;
}

bool sqlValueBoolean(const SQLValue& v) {
    if (auto s = std::get_if<std::string>(&v)) return StrEq(Trim(*s), "true") || Val(*s) != 0;
    return sqlValueDouble(v) != 0;
}

Variant sqlValueToVariant(const SQLValue& v) {
    if (auto i = std::get_if<int64_t>(&v)) {
        if (*i >= std::numeric_limits<int32_t>::min() && *i <= std::numeric_limits<int32_t>::max())
            return Variant(static_cast<int32_t>(*i));
        return Variant(*i);
    }
    if (auto d = std::get_if<double>(&v)) return Variant(*d);
    if (auto s = std::get_if<std::string>(&v)) return Variant(*s);
    if (auto b = std::get_if<SQLBlob>(&v)) return Variant::FromBytes(b->bytes, EncodingCode::None);
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
