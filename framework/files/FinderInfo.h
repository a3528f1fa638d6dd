#pragma once
// The Mac type and creator codes of a file on Linux. They are kept in the
// 32-byte Finder info (bytes 0-3 type, 4-7 creator) stored in the
// `user.com.apple.FinderInfo` extended attribute; a file copied from a Mac may
// carry them in an AppleDouble sidecar instead. Codes are four Mac Roman
// bytes; a shorter code ("GIF") is padded with blanks on disk and read back
// without them, and an all-zero code reads as "".
#include <filesystem>
#include <optional>
#include <string>

struct FinderCodes {
    std::string type;
    std::string creator;
};

// The codes stored for the file (attribute first, then sidecar); nothing
// when neither holds Finder info.
std::optional<FinderCodes> storedFinderCodes(const std::filesystem::path& file);

// Stores either code (the other one kept), best effort: answers false when
// the file system refused, and the caller is free to ignore that.
bool storeFinderCode(const std::filesystem::path& file, std::optional<std::string> type,
                     std::optional<std::string> creator);
