#pragma once
// Extended attributes of a file, where the Mac's Finder info and resource
// forks are kept on Linux. Reads are capped so that a hostile attribute
// cannot make us allocate without limit; writes are best effort (a file
// system without user attributes just answers false).
#include <filesystem>
#include <optional>
#include <string>

inline constexpr const char* kFinderInfoAttribute = "user.com.apple.FinderInfo";
inline constexpr const char* kResourceForkAttribute = "user.com.apple.ResourceFork";

std::optional<std::string> readExtendedAttribute(const std::filesystem::path& file, const char* name,
                                                 size_t maxBytes);
bool writeExtendedAttribute(const std::filesystem::path& file, const char* name, const std::string& value);

// Whole small files (sidecars), refused when larger than maxBytes.
std::optional<std::string> readFileCapped(const std::filesystem::path& file, size_t maxBytes);
