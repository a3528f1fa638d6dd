#pragma once
// One value as SQLite stores it (NULL, 64-bit integer, double, text, blob),
// with the old framework's reading rules: NULL reads as "" and 0, text reads
// as its leading number, blobs pass through as bytes untouched.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "framework/data/Variant.h"

struct SQLBlob {
    std::string bytes;
    bool operator==(const SQLBlob&) const = default;
};

using SQLValue = std::variant<std::monostate, int64_t, double, std::string, SQLBlob>;

std::string sqlValueString(const SQLValue& v);  // numbers as SQLite writes them ("2.5", "250.0")
int64_t sqlValueInt64(const SQLValue& v);
double sqlValueDouble(const SQLValue& v);
bool sqlValueBoolean(const SQLValue& v);
// NULL -> nil; integers -> Integer when they fit 32 bits, else Int64;
// text -> UTF-8 string; blob -> its bytes as a string with no encoding.
Variant sqlValueToVariant(const SQLValue& v);
// The value to bind for a Variant; nullopt for kinds a database cannot hold
// (dictionaries, file references).
std::optional<SQLValue> sqlValueFromVariant(const Variant& v);
