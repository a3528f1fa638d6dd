#include "framework/data/Dictionary.h"

#include "framework/runtime/RuntimeException.h"

namespace {

std::string describeKey(const Variant& key) {
    if (key.Type() == VariantType::Object) return "(an object)";
    return "\"" + key.StringValue() + "\"";
}

}  // namespace

const Variant& Dictionary::Value(const Variant& key) const {
    auto found = index_.find(key);
    if (found == index_.end()) throw KeyNotFoundException("Key not found: " + describeKey(key));
    return pairs_[found->second].second;
}

Variant Dictionary::Lookup(const Variant& key, const Variant& fallback) const {
    auto found = index_.find(key);
    return found == index_.end() ? fallback : pairs_[found->second].second;
}

void Dictionary::SetValue(const Variant& key, const Variant& value) {
    auto found = index_.find(key);
    if (found != index_.end()) {
        pairs_[found->second].second = value;
        return;
    }
    index_.emplace(key, pairs_.size());
    pairs_.emplace_back(key, value);
}

void Dictionary::Remove(const Variant& key) {
    auto found = index_.find(key);
    if (found == index_.end()) throw KeyNotFoundException("Key not found: " + describeKey(key));
    const size_t removed = found->second;
    index_.erase(found);
    pairs_.erase(pairs_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& entry : index_)
        if (entry.second > removed) --entry.second;
}

void Dictionary::Clear() {
    pairs_.clear();
    index_.clear();
}

const Variant& Dictionary::Key(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= pairs_.size())
        throw OutOfBoundsException("Dictionary index out of range");
    return pairs_[static_cast<size_t>(index)].first;
}

const Variant& Dictionary::ValueAt(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= pairs_.size())
        throw OutOfBoundsException("Dictionary index out of range");
    return pairs_[static_cast<size_t>(index)].second;
}
