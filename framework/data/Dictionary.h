#pragma once
// Key-value pairs in insertion order. Keys are Variants of any kind and
// match when they are of the same kind and value, strings ignoring letter
// case (the system-wide rule). Setting an existing key replaces its value in
// place, keeping its position; Remove closes the gap.
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/data/Variant.h"

class Dictionary {
public:
    int32_t Count() const { return static_cast<int32_t>(pairs_.size()); }
    bool HasKey(const Variant& key) const { return index_.count(key) != 0; }

    // Raises KeyNotFoundException when the key is not there.
    const Variant& Value(const Variant& key) const;
    // The value, or `fallback` when the key is not there.
    Variant Lookup(const Variant& key, const Variant& fallback) const;
    void SetValue(const Variant& key, const Variant& value);
    // Raises KeyNotFoundException when the key is not there.
    void Remove(const Variant& key);
    void Clear();

    // Pairs by position (Value(Key(i)) is ValueAt(i)), 0 to Count() - 1; out of range raises
    // OutOfBoundsException.
    const Variant& Key(int32_t index) const;
    const Variant& ValueAt(int32_t index) const;

private:
    std::vector<std::pair<Variant, Variant>> pairs_;
    std::unordered_map<Variant, size_t, VariantHash> index_;
};
