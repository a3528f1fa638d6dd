#pragma once
// Big-endian reads from a byte buffer that can never go outside it: every
// read states the offset it wants and gets nothing back when the bytes are
// not all there. Offsets and lengths are 64-bit so that adding two 32-bit
// fields from a hostile file cannot wrap around.
#include <cstdint>
#include <optional>
#include <string_view>

class BoundedBytes {
public:
    explicit BoundedBytes(std::string_view bytes) : bytes_(bytes) {}

    uint64_t size() const { return bytes_.size(); }
    bool contains(uint64_t offset, uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }

    std::optional<uint32_t> u8(uint64_t offset) const { return unsignedAt(offset, 1); }
    std::optional<uint32_t> u16(uint64_t offset) const { return unsignedAt(offset, 2); }
    std::optional<uint32_t> u24(uint64_t offset) const { return unsignedAt(offset, 3); }
    std::optional<uint32_t> u32(uint64_t offset) const { return unsignedAt(offset, 4); }

    std::optional<std::string_view> slice(uint64_t offset, uint64_t length) const {
        if (!contains(offset, length)) return std::nullopt;
        return bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(length));
    }

private:
    std::optional<uint32_t> unsignedAt(uint64_t offset, unsigned width) const {
        if (!contains(offset, width)) return std::nullopt;
        uint32_t value = 0;
        for (unsigned i = 0; i < width; ++i)
            value = (value << 8) | static_cast<uint8_t>(bytes_[static_cast<size_t>(offset) + i]);
        return value;
    }

    std::string_view bytes_;
};
