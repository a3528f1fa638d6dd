#pragma once
// AppleDouble sidecars ("._name" beside a file copied from a Mac): a small
// big-endian container whose entries hold the file's resource fork (entry 2)
// and Finder info (entry 9). A sidecar whose header or entry table is damaged
// is refused as a whole.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr uint32_t kAppleDoubleResourceFork = 2;
inline constexpr uint32_t kAppleDoubleFinderInfo = 9;

// The bytes of entry `entryId`, a view into `container`; nothing when the
// container is malformed or lacks the entry.
std::optional<std::string_view> appleDoubleEntry(std::string_view container, uint32_t entryId);

std::filesystem::path appleDoubleSidecarPath(const std::filesystem::path& file);

// The entry read from the file's sidecar, if it has one.
std::optional<std::string> readAppleDoubleEntry(const std::filesystem::path& file, uint32_t entryId);
