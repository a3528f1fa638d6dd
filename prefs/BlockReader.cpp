// The reading half of the serialiser. Input comes from a file anyone could
// have edited, so every read is checked against the bytes present: offsets
// past the end, decreasing offsets, pieces shorter than their kind, invalid
// dates and nesting beyond the limit all refuse the whole reading.
#include <bit>
#include <string>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "prefs/FolderItemSaveInfo.h"

namespace BDictionary {
namespace {

[[noreturn]] void refuse(const char* why) {
    throw UnsupportedFormatException(std::string("Damaged preferences data: ") + why);
}

// A read-only window onto part of a block, with big-endian readers that
// refuse instead of reading past its end.
class Piece {
public:
    Piece(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t size() const { return size_; }
    uint8_t u8(size_t at) const { return data_[checked(at, 1)]; }
    uint16_t u16(size_t at) const { return static_cast<uint16_t>(unsignedAt(at, 2)); }
    int32_t i32(size_t at) const { return static_cast<int32_t>(unsignedAt(at, 4)); }
    uint64_t u64(size_t at) const { return unsignedAt(at, 8); }
    std::string bytes(size_t from) const {
        checked(from, 0);
        return std::string(reinterpret_cast<const char*>(data_) + from, size_ - from);
    }
    Piece slice(size_t from, size_t to) const {
        if (from > to || to > size_) refuse("a piece lies outside its block");
        return Piece(data_ + from, to - from);
    }

private:
    size_t checked(size_t at, size_t width) const {
        if (at > size_ || width > size_ - at) refuse("a piece is shorter than its kind");
        return at;
    }
    uint64_t unsignedAt(size_t at, size_t width) const {
        checked(at, width);
        uint64_t v = 0;
        for (size_t i = 0; i < width; ++i) v = (v << 8) | data_[at + i];
        return v;
    }

    const uint8_t* data_;
    size_t size_;
};

std::shared_ptr<MemoryBlock> bigEndianBlock(const std::string& bytes) {
    auto block = MemoryBlock::FromString(bytes);
    block->LittleEndian = false;
    return block;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// "YYYY-MM-DD HH:MM:SS", strictly: anything else is a damaged block rather
// than a date to be guessed at.
Date ToDatetime(const Piece& piece) {
    const std::string text = piece.slice(2, 21).bytes(0);
    static const char kShape[] = "0000-00-00 00:00:00";
    for (size_t i = 0; i < 19; ++i) {
        const bool digitWanted = kShape[i] == '0';
        const bool isDigit = text[i] >= '0' && text[i] <= '9';
        if (digitWanted ? !isDigit : text[i] != kShape[i]) refuse("a date is not a date");
    }
    auto number = [&](size_t from, size_t len) {
        int v = 0;
        for (size_t i = from; i < from + len; ++i) v = v * 10 + (text[i] - '0');
        return v;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) refuse("a date has no such month");
    const int lastDay = kDaysInMonth[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    if (day < 1 || day > lastDay || hour > 23 || minute > 59 || second > 59) refuse("a date has no such day or time");
    return Date(year, month, day, hour, minute, second);
}

std::shared_ptr<Dictionary> readDictionary(const Piece& piece, int depth);

Variant readValue(const Piece& piece, int depth) {
    switch (piece.u16(0)) {
        case Tag::Integer: return Variant(piece.i32(2));
        case Tag::Double: return Variant(std::bit_cast<double>(piece.u64(2)));
        case Tag::Datetime: return Variant(ToDatetime(piece));
        case Tag::String:
            return Variant::FromBytes(piece.bytes(6), piece.i32(2));  // bytes never converted
        case Tag::Boolean: return Variant(piece.u8(2) != 0);
        case Tag::Color:
            return Variant::FromColor((uint32_t{piece.u8(2)} << 16) | (uint32_t{piece.u8(3)} << 8) | piece.u8(4));
        case Tag::Nil: return Variant();
        case Tag::MemoryBlock: return Variant(bigEndianBlock(piece.bytes(2)));
        case Tag::Dictionary: return Variant(readDictionary(piece, depth + 1));
        case Tag::FolderItem: {
            if (piece.size() == 2) return Variant();
            auto item = folderItemFromSaveInfo(piece.bytes(2));
            if (!item) refuse("a file reference cannot be read");
            return Variant(item);
        }
        default:
            // A kind this build does not know: kept whole, tag included, so
            // that it survives being read and written again.
            return Variant(bigEndianBlock(piece.bytes(0)));
    }
}

// The table holds (F - 2) / 4 offsets, F being the first. Pieces run from
// one offset to the next, the last one to the end of the block; even pieces
// are keys, odd ones values, and a key without a value is dropped.
std::shared_ptr<Dictionary> readDictionary(const Piece& piece, int depth) {
    if (depth > kMaxNestingDepth) refuse("dictionaries are nested too deeply");
    auto dict = std::make_shared<Dictionary>();
    if (piece.size() <= 2) return dict;

    const int32_t first = piece.i32(2);
    if (first < 2 || static_cast<size_t>(first) > piece.size()) refuse("the offset table runs past its block");
    const size_t count = static_cast<size_t>(first - 2) / 4;
    std::vector<size_t> offsets(count);
    for (size_t j = 0; j < count; ++j) {
        const int32_t entry = piece.i32(2 + 4 * j);
        const size_t offset = static_cast<size_t>(entry);
        if (entry < first || offset > piece.size() || (j > 0 && offset < offsets[j - 1]))
            refuse("an offset points outside its block or backwards");
        offsets[j] = offset;
    }

    Variant key;
    for (size_t j = 0; j < count; ++j) {
        const size_t end = j + 1 < count ? offsets[j + 1] : piece.size();
        Variant v = readValue(piece.slice(offsets[j], end), depth);
        if (j % 2 == 0) key = std::move(v);
        else dict->SetValue(key, v);
    }
    return dict;
}

Piece pieceOf(const MemoryBlock& block) {
    return Piece(block.bytes().data(), block.bytes().size());
}

}  // namespace

Variant ToVariant(const std::shared_ptr<MemoryBlock>& block) {
    return block ? readValue(pieceOf(*block), 0) : Variant();
}

std::shared_ptr<Dictionary> ToDictionary(const MemoryBlock& block) {
    return readDictionary(pieceOf(block), 1);
}

std::shared_ptr<Dictionary> Convert(const std::shared_ptr<MemoryBlock>& bytes) {
    if (!bytes) throw NilObjectException("There is no block to read a dictionary from.");
    const Piece all = pieceOf(*bytes);
    const size_t n = all.size();
    if (n < 2) return nullptr;
    if (n < 4) {
        const bool found = all.u16(0) == Tag::Dictionary || (n == 3 && all.u16(1) == Tag::Dictionary);
        return found ? std::make_shared<Dictionary>() : nullptr;
    }
    // The outermost dictionary is found by its tag followed by the high half
    // of its first offset, which is zero for up to 8191 pairs.
    for (size_t p = 0; p + 4 <= n; ++p) {
        if (all.u16(p) != Tag::Dictionary || all.u16(p + 2) != 0) continue;
        try {
            return readDictionary(all.slice(p, n), 1);
        } catch (const RuntimeException&) {
            return nullptr;
        }
    }
    return nullptr;
}

}  // namespace BDictionary
