#pragma once
// Helpers for the file tests: a private temporary folder, whole-file reads
// and writes, and hand-built resource forks and AppleDouble sidecars laid
// out byte by byte from the published formats.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <stdlib.h>

#include "tests/support/TestFiles.h"

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "lw-files-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

inline std::string bigEndian(uint64_t value, int width) {
    std::string bytes;
    for (int i = width - 1; i >= 0; --i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

struct TestResource {
    std::string type;  // four bytes
    int16_t id;
    std::string data;
    std::string name;  // empty = no name
};

// A resource fork in the standard layout: 16-byte header, data area at 256,
// then the map (header copy, run-time fields, type list, reference lists,
// name list). Resources of one type must be given next to each other.
inline std::string buildResourceFork(const std::vector<TestResource>& resources) {
    std::string data;
    std::vector<uint32_t> dataOffsets;
    for (const auto& r : resources) {
        dataOffsets.push_back(static_cast<uint32_t>(data.size()));
        data += bigEndian(r.data.size(), 4) + r.data;
    }
    std::vector<std::string> types;
    for (const auto& r : resources)
        if (types.empty() || types.back() != r.type) types.push_back(r.type);

    const uint32_t typeListOffset = 28;
    const uint32_t referencesStart = 2 + 8 * static_cast<uint32_t>(types.size());
    std::string typeList = bigEndian((types.size() - 1) & 0xFFFF, 2);
    std::string references, names;
    for (const auto& type : types) {
        uint32_t count = 0;
        const uint32_t listOffset = referencesStart + static_cast<uint32_t>(references.size());
        for (size_t i = 0; i < resources.size(); ++i) {
            if (resources[i].type != type) continue;
            ++count;
            uint32_t nameOffset = 0xFFFF;
            if (!resources[i].name.empty()) {
                nameOffset = static_cast<uint32_t>(names.size());
                names += static_cast<char>(resources[i].name.size()) + resources[i].name;
            }
            references += bigEndian(static_cast<uint16_t>(resources[i].id), 2) + bigEndian(nameOffset, 2) +
                          std::string(1, '\0') + bigEndian(dataOffsets[i], 3) + bigEndian(0, 4);
        }
        typeList += type + bigEndian(count - 1, 2) + bigEndian(listOffset, 2);
    }
    const uint32_t nameListOffset = typeListOffset + static_cast<uint32_t>(typeList.size() + references.size());
    const uint32_t dataOffset = 256;
    const uint32_t mapOffset = dataOffset + static_cast<uint32_t>(data.size());
    const std::string mapBody = bigEndian(0, 4) + bigEndian(0, 2) + bigEndian(0, 2) + bigEndian(typeListOffset, 2) +
                                bigEndian(nameListOffset, 2) + typeList + references + names;
    const uint32_t mapLength = 16 + static_cast<uint32_t>(mapBody.size());
    const std::string header =
        bigEndian(dataOffset, 4) + bigEndian(mapOffset, 4) + bigEndian(data.size(), 4) + bigEndian(mapLength, 4);
    std::string fork = header + std::string(dataOffset - 16, '\0') + data + header + mapBody;
    return fork;
}

// An AppleDouble container (version 2) holding the given entries.
inline std::string buildAppleDouble(const std::vector<std::pair<uint32_t, std::string>>& entries) {
    std::string out = bigEndian(0x00051607, 4) + bigEndian(0x00020000, 4) + std::string(16, '\0') +
                      bigEndian(entries.size(), 2);
    uint32_t offset = 26 + 12 * static_cast<uint32_t>(entries.size());
    std::string payload;
    for (const auto& [id, bytes] : entries) {
        out += bigEndian(id, 4) + bigEndian(offset + payload.size(), 4) + bigEndian(bytes.size(), 4);
        payload += bytes;
    }
    return out + payload;
}

// Finder info with the given type and creator codes (four bytes each).
inline std::string finderInfo(const std::string& type, const std::string& creator) {
    std::string info = type + creator;
    info.resize(32, '\0');
    return info;
}

// --- binary property lists (bplist00), built object by object --------------

// A marker byte with its length, the length spilling into an integer object
// when it does not fit the low four bits.
inline std::string plistMarker(int type, size_t length) {
    if (length < 15) return std::string(1, static_cast<char>((type << 4) | static_cast<int>(length)));
    return std::string(1, static_cast<char>((type << 4) | 0xF)) + "\x11" + bigEndian(length, 2);
}
inline std::string plistAscii(const std::string& s) { return plistMarker(0x5, s.size()) + s; }
inline std::string plistData(const std::string& bytes) { return plistMarker(0x4, bytes.size()) + bytes; }
// `utf16be` holds the characters as big-endian UTF-16 code units.
inline std::string plistUtf16(const std::string& utf16be) { return plistMarker(0x6, utf16be.size() / 2) + utf16be; }
inline std::string plistDict(const std::vector<uint8_t>& keys, const std::vector<uint8_t>& values) {
    std::string out = plistMarker(0xD, keys.size());
    for (uint8_t k : keys) out += static_cast<char>(k);
    for (uint8_t v : values) out += static_cast<char>(v);
    return out;
}

// Objects in order (references are their indexes, one byte), object 0 the top.
inline std::string buildBinaryPlist(const std::vector<std::string>& objects) {
    std::string out = "bplist00";
    std::string table;
    for (const auto& object : objects) {
        table += bigEndian(out.size(), 2);
        out += object;
    }
    const size_t tableOffset = out.size();
    return out + table + std::string(6, '\0') + "\x02\x01" + bigEndian(objects.size(), 8) + bigEndian(0, 8) +
           bigEndian(tableOffset, 8);
}

// A clipping as newer Macs write it: {"UTI-Data": {flavour: value}}, the
// value given as an already encoded object.
inline std::string buildClippingPlist(const std::string& flavour, const std::string& valueObject) {
    return buildBinaryPlist({plistDict({1}, {2}), plistAscii("UTI-Data"), plistDict({3}, {4}),
                             plistAscii(flavour), valueObject});
}
