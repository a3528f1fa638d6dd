// The writing half of the serialiser: one block per value, joined once.
#include <cstring>
#include <limits>
#include <string>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "prefs/FolderItemSaveInfo.h"

namespace BDictionary {
namespace {

constexpr size_t kSqlDateTimeLength = 19;

// memcpy of nothing may not be handed the null pointer of an empty vector.
void copyBytes(uint8_t* to, const std::vector<uint8_t>& from) {
    if (!from.empty()) std::memcpy(to, from.data(), from.size());
}

// A new big-endian block of `size` bytes with the tag written at 0.
std::shared_ptr<MemoryBlock> taggedBlock(uint16_t tag, int64_t size) {
    auto block = std::make_shared<MemoryBlock>(size);
    block->LittleEndian = false;
    block->SetUInt16Value(0, tag);
    return block;
}

std::shared_ptr<MemoryBlock> IntegerData(int32_t value) {
    auto block = taggedBlock(Tag::Integer, 6);
    block->SetInt32Value(2, value);
    return block;
}

std::shared_ptr<MemoryBlock> DoubleData(double value) {
    auto block = taggedBlock(Tag::Double, 10);
    block->SetDoubleValue(2, value);
    return block;
}

// The date's clock time as "YYYY-MM-DD HH:MM:SS". A year outside 0000-9999
// has no such 19-character form, and a block of another length would shift
// everything after it, so such a date is refused like an unsupported kind.
std::shared_ptr<MemoryBlock> DatetimeData(const Date& value) {
    const std::string text = value.SQLDateTime();
    if (text.size() != kSqlDateTimeLength || value.Year() < 0 || value.Year() > 9999)
        throw UnsupportedFormatException("A date outside the years 0000 to 9999 cannot be stored: " + text);
    auto block = taggedBlock(Tag::Datetime, 2 + kSqlDateTimeLength);
    block->SetStringValue(2, text);
    return block;
}

std::shared_ptr<MemoryBlock> StringData(const Variant::EncodedString& value) {
    auto block = taggedBlock(Tag::String, 6 + static_cast<int64_t>(value.bytes.size()));
    block->SetInt32Value(2, value.encoding);
    block->SetStringValue(6, value.bytes);
    return block;
}

std::shared_ptr<MemoryBlock> BooleanData(bool value) {
    auto block = taggedBlock(Tag::Boolean, 3);
    block->SetUInt8Value(2, value ? 1 : 0);
    return block;
}

std::shared_ptr<MemoryBlock> ColorData(uint32_t rgb) {
    auto block = taggedBlock(Tag::Color, 5);
    block->SetColorValue(2, rgb, 24);
    return block;
}

std::shared_ptr<MemoryBlock> NilData() {
    return taggedBlock(Tag::Nil, 2);
}

std::shared_ptr<MemoryBlock> MemoryBlockData(const MemoryBlock& value) {
    auto block = taggedBlock(Tag::MemoryBlock, 2 + value.Size());
    copyBytes(block->bytes().data() + 2, value.bytes());
    return block;
}

std::shared_ptr<MemoryBlock> FolderItemData(const FolderItem* item) {
    const std::string info = item ? folderItemSaveInfo(*item) : std::string();
    auto block = taggedBlock(Tag::FolderItem, 2 + static_cast<int64_t>(info.size()));
    block->SetStringValue(2, info);
    return block;
}

// Serialises one value tree. It keeps the dictionaries on the current path,
// so a dictionary that holds itself (directly or further down) is refused
// instead of recursing without end.
class TreeWriter {
public:
    std::shared_ptr<MemoryBlock> value(const Variant& v) {
        struct Visitor {
            TreeWriter& w;
            std::shared_ptr<MemoryBlock> operator()(std::monostate) { return NilData(); }
            std::shared_ptr<MemoryBlock> operator()(bool b) { return BooleanData(b); }
            std::shared_ptr<MemoryBlock> operator()(int32_t i) { return IntegerData(i); }
            std::shared_ptr<MemoryBlock> operator()(double d) { return DoubleData(d); }
            std::shared_ptr<MemoryBlock> operator()(const Variant::ColorValueType& c) { return ColorData(c.rgb); }
            std::shared_ptr<MemoryBlock> operator()(const Date& d) { return DatetimeData(d); }
            std::shared_ptr<MemoryBlock> operator()(const Variant::EncodedString& s) { return StringData(s); }
            std::shared_ptr<MemoryBlock> operator()(const Variant::ObjectRef& ref) { return w.object(ref); }
            // 64-bit integers, singles and currency have no block.
            std::shared_ptr<MemoryBlock> operator()(int64_t) { return nullptr; }
            std::shared_ptr<MemoryBlock> operator()(float) { return nullptr; }
            std::shared_ptr<MemoryBlock> operator()(const Variant::CurrencyValueType&) { return nullptr; }
        };
        return std::visit(Visitor{*this}, v.storage());
    }

    std::shared_ptr<MemoryBlock> dictionary(const Dictionary& dict) {
        for (const Dictionary* open : path_)
            if (open == &dict) throw UnsupportedFormatException("A dictionary that holds itself cannot be stored.");
        if (static_cast<int>(path_.size()) >= kMaxNestingDepth)
            throw UnsupportedFormatException("Dictionaries nested too deeply to be stored.");
        path_.push_back(&dict);

        const int64_t count = dict.Count();
        auto head = taggedBlock(Tag::Dictionary, 2 + 8 * count);
        std::vector<std::shared_ptr<MemoryBlock>> blocks;
        blocks.reserve(static_cast<size_t>(2 * count + 1));
        blocks.push_back(head);
        int64_t offset = head->Size();
        for (int32_t i = 0; i < count; ++i) {
            const Variant& key = dict.Key(i);
            offset = append(blocks, *head, 2 + 8 * i, offset, key);
            offset = append(blocks, *head, 6 + 8 * i, offset, dict.Value(key));
        }
        path_.pop_back();
        return JoinMemoryBlocks(blocks);
    }

private:
    std::shared_ptr<MemoryBlock> object(const Variant::ObjectRef& ref) {
        if (auto d = std::get_if<std::shared_ptr<Dictionary>>(&ref)) return *d ? dictionary(**d) : NilData();
        if (auto m = std::get_if<std::shared_ptr<MemoryBlock>>(&ref)) return *m ? MemoryBlockData(**m) : NilData();
        return FolderItemData(std::get<std::shared_ptr<FolderItem>>(ref).get());
    }

    // Serialises `v` into the next slot, records its offset in the table
    // and answers the offset after it. Offsets are signed 32-bit.
    int64_t append(std::vector<std::shared_ptr<MemoryBlock>>& blocks, MemoryBlock& head, int64_t entry,
                   int64_t offset, const Variant& v) {
        auto block = value(v);
        if (!block) throw NilObjectException("A value of this kind cannot be stored in the preferences.");
        if (offset > std::numeric_limits<int32_t>::max())
            throw UnsupportedFormatException("The dictionary is too large to be stored.");
        head.SetInt32Value(entry, static_cast<int32_t>(offset));
        blocks.push_back(std::move(block));
        return offset + blocks.back()->Size();
    }

    std::vector<const Dictionary*> path_;
};

}  // namespace

std::shared_ptr<MemoryBlock> JoinMemoryBlocks(const std::vector<std::shared_ptr<MemoryBlock>>& blocks) {
    int64_t total = 0;
    for (const auto& b : blocks) total += b->Size();
    auto joined = std::make_shared<MemoryBlock>(total);
    if (!blocks.empty()) joined->LittleEndian = blocks.front()->LittleEndian;
    uint8_t* out = joined->bytes().data();
    for (const auto& b : blocks) {
        copyBytes(out, b->bytes());
        out += b->bytes().size();
    }
    return joined;
}

std::shared_ptr<MemoryBlock> VariantData(const Variant& value) {
    return TreeWriter().value(value);
}

std::shared_ptr<MemoryBlock> DictionaryData(const Dictionary& dict) {
    return TreeWriter().dictionary(dict);
}

std::shared_ptr<MemoryBlock> Convert(const std::shared_ptr<Dictionary>& dict) {
    return dict ? DictionaryData(*dict) : NilData();
}

}  // namespace BDictionary
