#pragma once
// A byte buffer with a byte order for its multi-byte accessors. Every
// accessor checks its range first and raises OutOfBoundsException instead of
// reading or writing outside the block, so a parser built on it cannot run
// off the end of hostile input.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class MemoryBlock {
public:
    MemoryBlock() = default;
    explicit MemoryBlock(int64_t size);  // zero-filled; a negative size raises
    static std::shared_ptr<MemoryBlock> FromString(const std::string& bytes);

    // Multi-byte accessors read and write in this order. Little-endian by
    // default, as on the machines the format was first written on; readers
    // of big-endian formats set it to false before reading.
    bool LittleEndian = true;

    int64_t Size() const { return static_cast<int64_t>(bytes_.size()); }
    // Grows (zero-filled) or shrinks the block, keeping the bytes in front.
    void SetSize(int64_t size);

    uint8_t Byte(int64_t offset) const { return UInt8Value(offset); }
    void SetByte(int64_t offset, uint8_t value) { SetUInt8Value(offset, value); }
    uint8_t UInt8Value(int64_t offset) const;
    void SetUInt8Value(int64_t offset, uint8_t value);
    int8_t Int8Value(int64_t offset) const { return static_cast<int8_t>(UInt8Value(offset)); }
    void SetInt8Value(int64_t offset, int8_t value) { SetUInt8Value(offset, static_cast<uint8_t>(value)); }

    int16_t Int16Value(int64_t offset) const { return static_cast<int16_t>(readUnsigned(offset, 2)); }
    void SetInt16Value(int64_t offset, int16_t v) { writeUnsigned(offset, 2, static_cast<uint16_t>(v)); }
    uint16_t UInt16Value(int64_t offset) const { return static_cast<uint16_t>(readUnsigned(offset, 2)); }
    void SetUInt16Value(int64_t offset, uint16_t v) { writeUnsigned(offset, 2, v); }
    int32_t Int32Value(int64_t offset) const { return static_cast<int32_t>(readUnsigned(offset, 4)); }
    void SetInt32Value(int64_t offset, int32_t v) { writeUnsigned(offset, 4, static_cast<uint32_t>(v)); }
    uint32_t UInt32Value(int64_t offset) const { return static_cast<uint32_t>(readUnsigned(offset, 4)); }
    void SetUInt32Value(int64_t offset, uint32_t v) { writeUnsigned(offset, 4, v); }
    int64_t Int64Value(int64_t offset) const { return static_cast<int64_t>(readUnsigned(offset, 8)); }
    void SetInt64Value(int64_t offset, int64_t v) { writeUnsigned(offset, 8, static_cast<uint64_t>(v)); }
    uint64_t UInt64Value(int64_t offset) const { return readUnsigned(offset, 8); }
    void SetUInt64Value(int64_t offset, uint64_t v) { writeUnsigned(offset, 8, v); }
    float SingleValue(int64_t offset) const;
    void SetSingleValue(int64_t offset, float value);
    double DoubleValue(int64_t offset) const;
    void SetDoubleValue(int64_t offset, double value);

    // A colour 0xRRGGBB stored in `bits` bits: 24 = three bytes red, green,
    // blue in that order whatever the byte order; 32 = a 4-byte integer
    // 0x00RRGGBB in the block's byte order. Other widths raise.
    uint32_t ColorValue(int64_t offset, int bits = 32) const;
    void SetColorValue(int64_t offset, uint32_t rgb, int bits = 32);

    // `length` bytes from `offset` as a string (no conversion).
    std::string StringValue(int64_t offset, int64_t length) const;
    // Writes the bytes of `value` at `offset`; all of them must fit.
    void SetStringValue(int64_t offset, const std::string& value);
    // The bytes from `offset` up to the first NUL (to the end when none).
    std::string CString(int64_t offset) const;

    // A new block with a copy of `length` bytes from `offset`; it keeps
    // this block's byte order.
    std::shared_ptr<MemoryBlock> Mid(int64_t offset, int64_t length) const;
    std::shared_ptr<MemoryBlock> Mid(int64_t offset) const { return Mid(offset, Size() - offset); }
    std::shared_ptr<MemoryBlock> LeftB(int64_t length) const { return Mid(0, length); }
    std::shared_ptr<MemoryBlock> RightB(int64_t length) const { return Mid(Size() - length, length); }

    // The whole block as bytes.
    std::string ToString() const { return std::string(bytes_.begin(), bytes_.end()); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }
    std::vector<uint8_t>& bytes() { return bytes_; }
    bool operator==(const MemoryBlock& other) const { return bytes_ == other.bytes_; }

private:
    void checkRange(int64_t offset, int64_t length) const;
    uint64_t readUnsigned(int64_t offset, int width) const;
    void writeUnsigned(int64_t offset, int width, uint64_t value);

    std::vector<uint8_t> bytes_;
};
