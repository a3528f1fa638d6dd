#include "framework/files/ResourceFork.h"

#include "framework/files/BoundedBytes.h"
#include "framework/text/TextEncoding.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

// Layout (all big-endian). Header: data offset, map offset, data length, map
// length. Each resource's data: a 4-byte length and the bytes. The map: a
// 16-byte copy of the header, 4 + 2 + 2 bytes of run-time fields, then the
// offsets (from the map) of the type list and the name list. Type list: the
// number of types minus one, then per type its code, its number of resources
// minus one and the offset (from the type list) of its reference list.
// Reference: id, name offset (0xFFFF = none), attributes, 3-byte data offset
// (from the data area), 4-byte reserved handle.

namespace {

constexpr uint64_t kHeaderSize = 16;
constexpr uint64_t kMapFixedSize = 28;
constexpr uint64_t kTypeEntrySize = 8;
constexpr uint64_t kReferenceSize = 12;

struct Range {
    uint64_t begin, end;  // [begin, end)
};

bool overlaps(const Range& a, const Range& b) { return a.begin < b.end && b.begin < a.end; }

// True when no two of the (non-empty) ranges share a byte.
bool disjoint(std::vector<Range> ranges) {
    std::erase_if(ranges, [](const Range& r) { return r.begin == r.end; });
    std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.begin < b.begin; });
    for (size_t i = 1; i < ranges.size(); ++i)
        if (ranges[i].begin < ranges[i - 1].end) return false;
    return true;
}

std::string typeCode(const std::string& text) {
    std::string code = EncodeFromUTF8(text, EncodingCode::MacRoman).substr(0, 4);
    code.resize(4, ' ');
    return code;
}

}  // namespace

std::shared_ptr<ResourceFork> ResourceFork::parse(std::string_view view) {
    const BoundedBytes bytes(view);
    const auto dataOffset = bytes.u32(0), mapOffset = bytes.u32(4);
    const auto dataLength = bytes.u32(8), mapLength = bytes.u32(12);
    if (!dataOffset || !mapOffset || !dataLength || !mapLength) return nullptr;

    const Range data{*dataOffset, uint64_t{*dataOffset} + *dataLength};
    const Range map{*mapOffset, uint64_t{*mapOffset} + *mapLength};
    if (data.begin < kHeaderSize || map.begin < kHeaderSize) return nullptr;
    if (!bytes.contains(data.begin, *dataLength) || !bytes.contains(map.begin, *mapLength)) return nullptr;
    if (overlaps(data, map) || *mapLength < kMapFixedSize + 2) return nullptr;

    // From here on every read is checked against the map, not just the file.
    const BoundedBytes mapBytes(*bytes.slice(map.begin, *mapLength));
    const uint64_t typeList = *mapBytes.u16(24);
    const uint64_t nameList = *mapBytes.u16(26);
    if (typeList < kMapFixedSize || nameList > *mapLength) return nullptr;
    const auto typeCountField = mapBytes.u16(typeList);
    if (!typeCountField) return nullptr;
    const uint64_t typeCount = (*typeCountField + 1) & 0xFFFF;  // 0xFFFF means none
    const Range typeEntries{typeList, typeList + 2 + typeCount * kTypeEntrySize};
    if (!mapBytes.contains(typeEntries.begin, typeEntries.end - typeEntries.begin)) return nullptr;

    auto fork = std::shared_ptr<ResourceFork>(new ResourceFork);
    std::vector<Range> mapLists{typeEntries};
    std::vector<Range> resourceData;
    std::set<std::string> types;
    std::set<std::pair<std::string, int16_t>> ids;
    for (uint64_t t = 0; t < typeCount; ++t) {
        const uint64_t entry = typeList + 2 + t * kTypeEntrySize;
        std::string type(*mapBytes.slice(entry, 4));
        const uint64_t count = *mapBytes.u16(entry + 4) + 1;
        const uint64_t references = typeList + *mapBytes.u16(entry + 6);
        if (!types.insert(type).second) return nullptr;
        if (!mapBytes.contains(references, count * kReferenceSize)) return nullptr;
        mapLists.push_back({references, references + count * kReferenceSize});

        for (uint64_t r = 0; r < count; ++r) {
            const uint64_t ref = references + r * kReferenceSize;
            const auto id = static_cast<int16_t>(*mapBytes.u16(ref));
            const uint32_t nameOffset = *mapBytes.u16(ref + 2);
            const uint64_t start = data.begin + *mapBytes.u24(ref + 5);
            if (!ids.insert({type, id}).second) return nullptr;
            if (nameOffset != 0xFFFF) {
                const auto nameLength = mapBytes.u8(nameList + nameOffset);
                if (!nameLength || !mapBytes.contains(nameList + nameOffset + 1, *nameLength)) return nullptr;
            }
            const auto length = bytes.u32(start);
            if (!length || start + 4 > data.end || *length > data.end - start - 4) return nullptr;
            resourceData.push_back({start, start + 4 + *length});
            fork->resources_.push_back({type, id, static_cast<size_t>(start + 4), *length});
        }
    }
    // Lists that share bytes, or resources whose data overlap, are not
    // something a resource manager writes; they are refused, not guessed at.
    if (!disjoint(mapLists) || !disjoint(resourceData)) return nullptr;

    fork->bytes_.assign(view);
    return fork;
}

std::shared_ptr<ResourceFork> ResourceFork::holding(const std::string& type, int16_t id, std::string bytes) {
    auto fork = std::shared_ptr<ResourceFork>(new ResourceFork);
    fork->resources_.push_back({typeCode(type), id, 0, bytes.size()});
    fork->bytes_ = std::move(bytes);
    return fork;
}

const ResourceFork::Resource* ResourceFork::find(const std::string& type, int16_t id) const {
    const std::string code = typeCode(type);
    for (const auto& resource : resources_)
        if (resource.type == code && resource.id == id) return &resource;
    return nullptr;
}

std::string ResourceFork::GetResourceBytes(const std::string& type, int16_t id) const {
    const Resource* resource = find(type, id);
    return resource ? bytes_.substr(resource->dataOffset, resource->length) : std::string();
}

std::string ResourceFork::GetResource(const std::string& type, int16_t id) const {
    return TextFromUnknownEncoding(GetResourceBytes(type, id), EncodingCode::MacRoman);
}

bool ResourceFork::HasResource(const std::string& type, int16_t id) const { return find(type, id) != nullptr; }
