#pragma once
// One value as SQLite stores it (NULL, 64-bit integer, double, text, blob),
// with the old framework's reading rules: NULL reads as "" and 0, text reads
// as its leading number, blobs pass through as bytes untouched.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/data/Variant.h"

struct SQLBlob {
    std::string bytes;
    bool operator==(const SQLBlob&) const = default;
};

// A value that owns its bytes: bound parameters and edits not yet written.
using SQLValue = std::variant<std::monostate, int64_t, double, std::string, SQLBlob>;

enum class SQLType : uint8_t { Null, Integer, Real, Text, Blob };

// A value as read, without copying: text and blob bytes point into storage
// owned elsewhere (a record set's rows, or an SQLValue).
struct SQLRef {
    SQLType type = SQLType::Null;
    int64_t integer = 0;
    double real = 0;
    std::string_view bytes;
};
SQLRef sqlRef(const SQLValue& v);

std::string sqlValueString(const SQLRef& v);  // numbers as SQLite writes them ("2.5", "250.0")
int64_t sqlValueInt64(const SQLRef& v);
double sqlValueDouble(const SQLRef& v);
bool sqlValueBoolean(const SQLRef& v);
// NULL -> nil; integers -> Integer when they fit 32 bits, else Int64;
// text -> UTF-8 string; blob -> its bytes as a string with no encoding.
Variant sqlValueToVariant(const SQLRef& v);
// The value to bind for a Variant; nullopt for kinds a database cannot hold
// (dictionaries, file references).
std::optional<SQLValue> sqlValueFromVariant(const Variant& v);
