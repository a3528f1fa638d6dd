#include "framework/files/FinderInfo.h"

#include "framework/files/AppleDouble.h"
#include "framework/files/ExtendedAttributes.h"
#include "framework/text/TextEncoding.h"

namespace {

constexpr size_t kFinderInfoSize = 32;

std::string codeFromBytes(std::string_view bytes) {
    while (!bytes.empty() && (bytes.back() == ' ' || bytes.back() == '\0')) bytes.remove_suffix(1);
    return DecodeToUTF8(std::string(bytes), EncodingCode::MacRoman);
}

std::string bytesFromCode(const std::string& code) {
    std::string bytes = EncodeFromUTF8(code, EncodingCode::MacRoman).substr(0, 4);
    bytes.resize(4, ' ');
    if (code.empty()) bytes.assign(4, '\0');
    return bytes;
}

}  // namespace

std::optional<FinderCodes> storedFinderCodes(const std::filesystem::path& file) {
    auto info = readExtendedAttribute(file, kFinderInfoAttribute, 4096);
    if (!info || info->size() < 8) info = readAppleDoubleEntry(file, kAppleDoubleFinderInfo);
    if (!info || info->size() < 8) return std::nullopt;
    return FinderCodes{codeFromBytes(std::string_view(*info).substr(0, 4)),
                       codeFromBytes(std::string_view(*info).substr(4, 4))};
}

bool storeFinderCode(const std::filesystem::path& file, std::optional<std::string> type,
                     std::optional<std::string> creator) {
    // Keep whatever else the Finder info holds (flags, location, the other
    // code), including what a sidecar said before the attribute existed.
    auto info = readExtendedAttribute(file, kFinderInfoAttribute, 4096);
    if (!info) info = readAppleDoubleEntry(file, kAppleDoubleFinderInfo);
    info = info.value_or("").substr(0, kFinderInfoSize);
    info->resize(kFinderInfoSize, '\0');
    if (type) info->replace(0, 4, bytesFromCode(*type));
    if (creator) info->replace(4, 4, bytesFromCode(*creator));
    return writeExtendedAttribute(file, kFinderInfoAttribute, *info);
}
