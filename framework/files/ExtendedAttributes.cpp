#include "framework/files/ExtendedAttributes.h"

#include <cerrno>
#include <fstream>
#include <sys/xattr.h>

std::optional<std::string> readExtendedAttribute(const std::filesystem::path& file, const char* name,
                                                 size_t maxBytes) {
    // The size can change between the two calls; retry a few times on ERANGE.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = ::getxattr(file.c_str(), name, nullptr, 0);
        if (size < 0 || static_cast<size_t>(size) > maxBytes) return std::nullopt;
        std::string value(static_cast<size_t>(size), '\0');
        const ssize_t read = ::getxattr(file.c_str(), name, value.data(), value.size());
        if (read >= 0) {
            value.resize(static_cast<size_t>(read));
            return value;
        }
        if (errno != ERANGE) return std::nullopt;
    }
    return std::nullopt;
}

bool writeExtendedAttribute(const std::filesystem::path& file, const char* name, const std::string& value) {
    return ::setxattr(file.c_str(), name, value.data(), value.size(), 0) == 0;
}

std::optional<std::string> readFileCapped(const std::filesystem::path& file, size_t maxBytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec || size > maxBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(in.gcount()));
    return bytes;
}
