#include "framework/data/MemoryBlock.h"

#include <bit>
#include <cstring>

#include "framework/runtime/RuntimeException.h"

MemoryBlock::MemoryBlock(int64_t size) { SetSize(size); }

std::shared_ptr<MemoryBlock> MemoryBlock::FromString(const std::string& bytes) {
    auto block = std::make_shared<MemoryBlock>();
    block->bytes_.assign(bytes.begin(), bytes.end());
    return block;
}

void MemoryBlock::SetSize(int64_t size) {
    if (size < 0) throw OutOfBoundsException("MemoryBlock size is negative");
    bytes_.resize(static_cast<size_t>(size), 0);
}

void MemoryBlock::checkRange(int64_t offset, int64_t length) const {
    // Written so that no sum can overflow, whatever the caller passes.
    if (offset < 0 || length < 0 || offset > Size() || length > Size() - offset)
        throw OutOfBoundsException("MemoryBlock access outside the block");
}

uint8_t MemoryBlock::UInt8Value(int64_t offset) const {
    checkRange(offset, 1);
    return bytes_[static_cast<size_t>(offset)];
}

void MemoryBlock::SetUInt8Value(int64_t offset, uint8_t value) {
    checkRange(offset, 1);
    bytes_[static_cast<size_t>(offset)] = value;
}

uint64_t MemoryBlock::readUnsigned(int64_t offset, int width) const {
    checkRange(offset, width);
    uint64_t value = 0;
    for (int i = 0; i < width; ++i) {
        const int index = LittleEndian ? width - 1 - i : i;
        value = (value << 8) | bytes_[static_cast<size_t>(offset + index)];
    }
    return value;
}

void MemoryBlock::writeUnsigned(int64_t offset, int width, uint64_t value) {
    checkRange(offset, width);
    for (int i = 0; i < width; ++i) {
        const int index = LittleEndian ? i : width - 1 - i;
        bytes_[static_cast<size_t>(offset + index)] = static_cast<uint8_t>(value >> (8 * i));
    }
}

float MemoryBlock::SingleValue(int64_t offset) const {
    return std::bit_cast<float>(static_cast<uint32_t>(readUnsigned(offset, 4)));
}

void MemoryBlock::SetSingleValue(int64_t offset, float value) {
    writeUnsigned(offset, 4, std::bit_cast<uint32_t>(value));
}

double MemoryBlock::DoubleValue(int64_t offset) const {
    return std::bit_cast<double>(readUnsigned(offset, 8));
}

void MemoryBlock::SetDoubleValue(int64_t offset, double value) {
    writeUnsigned(offset, 8, std::bit_cast<uint64_t>(value));
}

uint32_t MemoryBlock::ColorValue(int64_t offset, int bits) const {
    if (bits == 32) return static_cast<uint32_t>(readUnsigned(offset, 4)) & 0xFFFFFF;
    if (bits != 24) throw OutOfBoundsException("MemoryBlock colour width must be 24 or 32 bits");
    checkRange(offset, 3);
    const auto at = static_cast<size_t>(offset);
    return uint32_t(bytes_[at]) << 16 | uint32_t(bytes_[at + 1]) << 8 | bytes_[at + 2];
}

void MemoryBlock::SetColorValue(int64_t offset, uint32_t rgb, int bits) {
    if (bits == 32) return writeUnsigned(offset, 4, rgb & 0xFFFFFF);
    if (bits != 24) throw OutOfBoundsException("MemoryBlock colour width must be 24 or 32 bits");
    checkRange(offset, 3);
    const auto at = static_cast<size_t>(offset);
    bytes_[at] = static_cast<uint8_t>(rgb >> 16);
    bytes_[at + 1] = static_cast<uint8_t>(rgb >> 8);
    bytes_[at + 2] = static_cast<uint8_t>(rgb);
}

std::string MemoryBlock::StringValue(int64_t offset, int64_t length) const {
    checkRange(offset, length);
    const auto begin = bytes_.begin() + offset;
    return std::string(begin, begin + length);
}

void MemoryBlock::SetStringValue(int64_t offset, const std::string& value) {
    checkRange(offset, static_cast<int64_t>(value.size()));
    if (!value.empty()) std::memcpy(bytes_.data() + offset, value.data(), value.size());
}

std::string MemoryBlock::CString(int64_t offset) const {
    checkRange(offset, 0);
    std::string out;
    for (auto i = static_cast<size_t>(offset); i < bytes_.size() && bytes_[i] != 0; ++i)
        out += static_cast<char>(bytes_[i]);
    return out;
}

std::shared_ptr<MemoryBlock> MemoryBlock::Mid(int64_t offset, int64_t length) const {
    checkRange(offset, length);
    auto piece = std::make_shared<MemoryBlock>();
    piece->LittleEndian = LittleEndian;
    piece->bytes_.assign(bytes_.begin() + offset, bytes_.begin() + offset + length);
    return piece;
}
