#include "framework/data/Variant.h"

#include <cmath>
#include <functional>

#include "framework/data/Dictionary.h"
#include "framework/data/MemoryBlock.h"
#include "framework/runtime/Numbers.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/text/Strings.h"

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

[[noreturn]] void typeMismatch() { throw RuntimeException("Type mismatch: the Variant holds an object", 0); }

}  // namespace

Variant::Variant(std::shared_ptr<Dictionary> d) {
    if (d) value_ = ObjectRef(std::move(d));
}
Variant::Variant(std::shared_ptr<MemoryBlock> m) {
    if (m) value_ = ObjectRef(std::move(m));
}
Variant::Variant(std::shared_ptr<FolderItem> f) {
    if (f) value_ = ObjectRef(std::move(f));
}

int32_t Variant::Type() const {
    return std::visit(Overloaded{[](std::monostate) { return VariantType::Nil; },
                                 [](bool) { return VariantType::Boolean; },
                                 [](int32_t) { return VariantType::Integer; },
                                 [](int64_t) { return VariantType::Int64; },
                                 [](float) { return VariantType::Single; },
                                 [](double) { return VariantType::Double; },
                                 [](const CurrencyValueType&) { return VariantType::Currency; },
                                 [](const ColorValueType&) { return VariantType::Color; },
                                 [](const ::Date&) { return VariantType::Date; },
                                 [](const EncodedString&) { return VariantType::String; },
                                 [](const ObjectRef&) { return VariantType::Object; }},
                      value_);
}

bool Variant::IsNumeric() const {
    switch (Type()) {
    case VariantType::Integer:
    case VariantType::Int64:
    case VariantType::Single:
    case VariantType::Double:
    case VariantType::Currency: return true;
    default: return false;
    }
}

double Variant::DoubleValue() const {
    return std::visit(Overloaded{[](std::monostate) { return 0.0; },
                                 [](bool b) { return b ? 1.0 : 0.0; },
                                 [](int32_t v) { return double(v); },
                                 [](int64_t v) { return double(v); },
                                 [](float v) { return double(v); },
                                 [](double v) { return v; },
                                 [](const CurrencyValueType& c) { return double(c.tenThousandths) / 10000.0; },
                                 [](const ColorValueType& c) { return double(c.rgb); },
                                 [](const ::Date& d) { return d.TotalSeconds(); },
                                 [this](const EncodedString&) { return Val(StringValue()); },
                                 [](const ObjectRef&) -> double { typeMismatch(); }},
                      value_);
}

int64_t Variant::Int64Value() const {
    if (auto p = std::get_if<int32_t>(&value_)) return *p;
    if (auto p = std::get_if<int64_t>(&value_)) return *p;
    if (auto p = std::get_if<CurrencyValueType>(&value_)) return p->tenThousandths / 10000;
    const double d = DoubleValue();
    if (std::isnan(d) || d >= 9223372036854775808.0 || d < -9223372036854775808.0)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(d);
}

int32_t Variant::IntegerValue() const {
    if (auto p = std::get_if<int32_t>(&value_)) return *p;
    if (auto p = std::get_if<int64_t>(&value_)) return static_cast<int32_t>(*p);  // wraps, as the old one did
    return toInt32(DoubleValue());
}

bool Variant::BooleanValue() const {
    if (auto p = std::get_if<bool>(&value_)) return *p;
    if (IsString()) return StrEq(StringValue(), "True");
    if (IsNull()) return false;
    return DoubleValue() != 0.0;
}

uint32_t Variant::ColorValue() const {
    if (auto p = std::get_if<ColorValueType>(&value_)) return p->rgb;
    return static_cast<uint32_t>(Int64Value()) & 0xFFFFFF;
}

int64_t Variant::CurrencyValue() const {
    if (auto p = std::get_if<CurrencyValueType>(&value_)) return p->tenThousandths;
    return static_cast<int64_t>(std::llround(DoubleValue() * 10000.0));
}

::Date Variant::DateValue() const {
    if (auto p = std::get_if<::Date>(&value_)) return *p;
    ::Date d;
    if (IsString()) {
        d.SetSQLDateTime(StringValue());
    } else {
        d.SetTotalSeconds(DoubleValue());
    }
    return d;
}

std::string Variant::StringValue() const {
    return std::visit(
        Overloaded{[](std::monostate) { return std::string(); },
                   [](bool b) { return std::string(b ? "True" : "False"); },
                   [](int32_t v) { return Str(int64_t(v)); },
                   [](int64_t v) { return Str(v); },
                   [](float v) { return Str(double(v)); },
                   [](double v) { return Str(v); },
                   [](const CurrencyValueType& c) { return Format(double(c.tenThousandths) / 10000.0, "-0.00##"); },
                   [](const ColorValueType& c) {
                       char buffer[12];
                       std::snprintf(buffer, sizeof buffer, "&h%06X", c.rgb);
                       return std::string(buffer);
                   },
                   [](const ::Date& d) { return d.SQLDateTime(); },
                   [](const EncodedString& s) {
                       if (s.encoding == EncodingCode::None) return s.bytes;
                       return DecodeToUTF8(s.bytes, s.encoding);
                   },
                   [](const ObjectRef&) -> std::string { typeMismatch(); }},
        value_);
}

Variant::EncodedString Variant::StringBytes() const {
    if (auto p = std::get_if<EncodedString>(&value_)) return *p;
    return EncodedString{StringValue(), EncodingCode::UTF8};
}

std::shared_ptr<TextEncoding> Variant::Encoding() const {
    if (auto p = std::get_if<EncodedString>(&value_)) return Encodings::GetFromCode(p->encoding);
    return nullptr;
}

std::shared_ptr<Dictionary> Variant::DictionaryValue() const {
    if (auto o = std::get_if<ObjectRef>(&value_))
        if (auto p = std::get_if<std::shared_ptr<Dictionary>>(o)) return *p;
    return nullptr;
}

std::shared_ptr<MemoryBlock> Variant::MemoryBlockValue() const {
    if (auto o = std::get_if<ObjectRef>(&value_))
        if (auto p = std::get_if<std::shared_ptr<MemoryBlock>>(o)) return *p;
    return nullptr;
}

std::shared_ptr<FolderItem> Variant::FolderItemValue() const {
    if (auto o = std::get_if<ObjectRef>(&value_))
        if (auto p = std::get_if<std::shared_ptr<FolderItem>>(o)) return *p;
    return nullptr;
}

bool Variant::operator==(const Variant& other) const {
    if (value_.index() != other.value_.index()) return false;
    if (IsString()) {
        const std::string x = StringValue(), y = other.StringValue();
        // Bytes that are not text (no encoding, not UTF-8) match only exactly.
        if (!IsValidUTF8(x) || !IsValidUTF8(y)) return x == y;
        return StrEq(x, y);
    }
    if (auto a = std::get_if<ObjectRef>(&value_)) {
        const auto& b = std::get<ObjectRef>(other.value_);
        if (a->index() != b.index()) return false;
        return std::visit([&](const auto& p) { return static_cast<const void*>(p.get()); }, *a) ==
               std::visit([&](const auto& p) { return static_cast<const void*>(p.get()); }, b);
    }
    return value_ == other.value_;
}

size_t Variant::Hash() const {
    const size_t kind = value_.index() * 0x9E3779B97F4A7C15ull;
    return kind ^ std::visit(
        Overloaded{[](std::monostate) -> size_t { return 0; },
                   [](bool b) -> size_t { return b; },
                   [](int32_t v) -> size_t { return std::hash<int32_t>()(v); },
                   [](int64_t v) -> size_t { return std::hash<int64_t>()(v); },
                   [](float v) -> size_t { return std::hash<float>()(v); },
                   [](double v) -> size_t { return std::hash<double>()(v); },
                   [](const CurrencyValueType& c) -> size_t { return std::hash<int64_t>()(c.tenThousandths); },
                   [](const ColorValueType& c) -> size_t { return c.rgb; },
                   [](const ::Date& d) -> size_t { return std::hash<double>()(d.TotalSeconds()); },
                   [this](const EncodedString&) -> size_t {
                       const std::string text = StringValue();
                       return std::hash<std::string>()(IsValidUTF8(text) ? CaseFold(text) : text);
                   },
                   [](const ObjectRef& o) -> size_t {
                       return std::visit([](const auto& p) { return std::hash<const void*>()(p.get()); }, o);
                   }},
        value_);
}
