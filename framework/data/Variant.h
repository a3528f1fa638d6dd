#pragma once
// The dynamic value of the old framework. It remembers which kind of value
// it holds (VarType codes as the old framework numbered them) and converts
// on request. A string keeps its bytes together with the code of their text
// encoding (-1 for none); the bytes are never converted behind the caller's
// back. Objects are shared, as object references were: two Variants holding
// the same Dictionary see the same pairs.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "framework/data/Date.h"
#include "framework/text/TextEncoding.h"

class Dictionary;
class MemoryBlock;
class FolderItem;  // provided by framework/files

// VarType codes.
namespace VariantType {
constexpr int32_t Nil = 0;
constexpr int32_t Integer = 2;  // 32-bit
constexpr int32_t Int64 = 3;
constexpr int32_t Single = 4;
constexpr int32_t Double = 5;
constexpr int32_t Currency = 6;
constexpr int32_t Date = 7;
constexpr int32_t String = 8;
constexpr int32_t Object = 9;
constexpr int32_t Boolean = 11;
constexpr int32_t Color = 16;
}  // namespace VariantType

class Variant {
public:
    struct EncodedString {
        std::string bytes;
        int32_t encoding = EncodingCode::UTF8;  // EncodingCode::None for none
        bool operator==(const EncodedString&) const = default;
    };
    struct ColorValueType {
        uint32_t rgb;  // 0xRRGGBB
        bool operator==(const ColorValueType&) const = default;
    };
    struct CurrencyValueType {
        int64_t tenThousandths;  // fixed point, 4 decimals
        bool operator==(const CurrencyValueType&) const = default;
    };
    // An object reference; exactly one kind, never null (a null reference is
    // the Nil kind).
    using ObjectRef =
        std::variant<std::shared_ptr<Dictionary>, std::shared_ptr<MemoryBlock>, std::shared_ptr<FolderItem>>;

    Variant() = default;  // nil
    Variant(std::nullptr_t) {}
    Variant(bool v) : value_(v) {}
    Variant(int32_t v) : value_(v) {}
    Variant(int64_t v) : value_(v) {}
    Variant(long long v) : value_(static_cast<int64_t>(v)) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(const char* utf8) : value_(EncodedString{utf8, EncodingCode::UTF8}) {}
    Variant(std::string utf8) : value_(EncodedString{std::move(utf8), EncodingCode::UTF8}) {}
    Variant(EncodedString s) : value_(std::move(s)) {}
    Variant(const ::Date& d) : value_(d) {}
    Variant(std::shared_ptr<Dictionary> d);
    Variant(std::shared_ptr<MemoryBlock> m);
    Variant(std::shared_ptr<FolderItem> f);
    static Variant FromColor(uint32_t rgb) { return Variant(ColorValueType{rgb & 0xFFFFFF}); }
    static Variant FromCurrency(int64_t tenThousandths) { return Variant(CurrencyValueType{tenThousandths}); }
    // Bytes marked with an encoding code (EncodingCode::None for none).
    static Variant FromBytes(std::string bytes, int32_t encoding) {
        return Variant(EncodedString{std::move(bytes), encoding});
    }

    int32_t Type() const;  // VariantType code
    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsNumeric() const;
    bool IsString() const { return std::holds_alternative<EncodedString>(value_); }

    // Conversions, as the old framework made them. Numbers from strings take
    // the leading number (Val); strings from numbers are Str; nil gives 0,
    // False or "". Asking an object for a scalar raises a type mismatch
    // (RuntimeException).
    bool BooleanValue() const;
    int32_t IntegerValue() const;
    int64_t Int64Value() const;
    double DoubleValue() const;
    float SingleValue() const { return static_cast<float>(DoubleValue()); }
    uint32_t ColorValue() const;
    int64_t CurrencyValue() const;  // ten-thousandths
    ::Date DateValue() const;
    // The text as UTF-8: UTF-8 bytes as they are, bytes of a known encoding
    // converted, bytes with no encoding as they are.
    std::string StringValue() const;
    // The stored bytes and their encoding, unconverted (for a non-string
    // kind, StringValue's bytes marked UTF-8).
    EncodedString StringBytes() const;
    std::shared_ptr<TextEncoding> Encoding() const;  // nullptr when none or not a string

    // Object access: nullptr when the Variant holds something else.
    std::shared_ptr<Dictionary> DictionaryValue() const;
    std::shared_ptr<MemoryBlock> MemoryBlockValue() const;
    std::shared_ptr<FolderItem> FolderItemValue() const;

    // Equality as keys compare: same kind and same value, strings
    // case-blind; objects by identity.
    bool operator==(const Variant& other) const;
    // A hash that agrees with operator== (strings hashed case-folded).
    size_t Hash() const;

    using Storage = std::variant<std::monostate, bool, int32_t, int64_t, float, double, CurrencyValueType,
                                 ColorValueType, ::Date, EncodedString, ObjectRef>;
    const Storage& storage() const { return value_; }

private:
    explicit Variant(ColorValueType c) : value_(c) {}
    explicit Variant(CurrencyValueType c) : value_(c) {}

    Storage value_;
};

struct VariantHash {
    size_t operator()(const Variant& v) const { return v.Hash(); }
};
