#include "framework/files/AppleDouble.h"

#include "framework/files/BoundedBytes.h"
#include "framework/files/ExtendedAttributes.h"

#include <set>

namespace {

constexpr uint32_t kAppleDoubleMagic = 0x00051607;
constexpr uint32_t kAppleSingleMagic = 0x00051600;
constexpr uint64_t kHeaderSize = 26;  // magic, version, 16 filler bytes, entry count
constexpr uint64_t kEntrySize = 12;   // id, offset, length
constexpr size_t kMaxSidecarBytes = 64u << 20;

}  // namespace

std::optional<std::string_view> appleDoubleEntry(std::string_view container, uint32_t entryId) {
    const BoundedBytes bytes(container);
    const auto magic = bytes.u32(0);
    const auto version = bytes.u32(4);
    const auto count = bytes.u16(24);
    if (!magic || !version || !count) return std::nullopt;
    if (*magic != kAppleDoubleMagic && *magic != kAppleSingleMagic) return std::nullopt;
    if (*version != 0x00010000 && *version != 0x00020000) return std::nullopt;
    if (!bytes.contains(kHeaderSize, *count * kEntrySize)) return std::nullopt;

    // Check every entry before answering, so a damaged table is refused
    // whole rather than half believed.
    std::optional<std::string_view> found;
    std::set<uint32_t> seen;
    for (uint32_t i = 0; i < *count; ++i) {
        const uint64_t at = kHeaderSize + i * kEntrySize;
        const uint32_t id = *bytes.u32(at);
        const auto entry = bytes.slice(*bytes.u32(at + 4), *bytes.u32(at + 8));
        if (id == 0 || !entry || !seen.insert(id).second) return std::nullopt;
        if (id == entryId) found = entry;
    }
    return found;
}

std::filesystem::path appleDoubleSidecarPath(const std::filesystem::path& file) {
    return file.parent_path() / ("._" + file.filename().string());
}

std::optional<std::string> readAppleDoubleEntry(const std::filesystem::path& file, uint32_t entryId) {
    const auto container = readFileCapped(appleDoubleSidecarPath(file), kMaxSidecarBytes);
    if (!container) return std::nullopt;
    const auto entry = appleDoubleEntry(*container, entryId);
    if (!entry) return std::nullopt;
    return std::string(*entry);
}
