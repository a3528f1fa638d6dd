#include "framework/files/BinaryStream.h"

#include "framework/files/ByteOrder.h"
#include "framework/files/FileHandle.h"

#include <bit>

BinaryStream::BinaryStream(std::unique_ptr<FileHandle> file) : file_(std::move(file)) {}

BinaryStream::~BinaryStream() { Close(); }

int64_t BinaryStream::Length() const { return file_ && file_->isOpen() ? file_->length() : 0; }

void BinaryStream::setLength(int64_t length) {
    if (!file_ || !file_->setLength(length)) writeError_ = true;
}

bool BinaryStream::EndOfFile() const { return position_ >= Length(); }

std::string BinaryStream::Read(int64_t count) {
    if (!file_ || count <= 0) return {};
    std::string bytes = file_->readAt(position_, static_cast<size_t>(count));
    position_ += static_cast<int64_t>(bytes.size());
    return bytes;
}

uint64_t BinaryStream::readUnsigned(int width) {
    const std::string bytes = Read(width);
    if (bytes.size() != static_cast<size_t>(width)) return 0;  // not all there
    return unpackUnsigned(bytes, LittleEndian);
}

float BinaryStream::ReadSingle() { return std::bit_cast<float>(static_cast<uint32_t>(readUnsigned(4))); }

double BinaryStream::ReadDouble() { return std::bit_cast<double>(readUnsigned(8)); }

std::string BinaryStream::ReadPString() {
    const std::string length = Read(1);
    return length.empty() ? std::string() : Read(static_cast<uint8_t>(length[0]));
}

void BinaryStream::Write(std::string_view bytes) {
    if (!file_ || !file_->writeAt(position_, bytes)) {
        writeError_ = true;
        return;
    }
    position_ += static_cast<int64_t>(bytes.size());
}

void BinaryStream::writeUnsigned(int width, uint64_t value) { Write(packUnsigned(value, width, LittleEndian)); }

void BinaryStream::WriteSingle(float value) { writeUnsigned(4, std::bit_cast<uint32_t>(value)); }

void BinaryStream::WriteDouble(double value) { writeUnsigned(8, std::bit_cast<uint64_t>(value)); }

void BinaryStream::WritePString(std::string_view bytes) {
    bytes = bytes.substr(0, 255);
    WriteUInt8(static_cast<uint8_t>(bytes.size()));
    Write(bytes);
}

void BinaryStream::Flush() {
    if (file_ && file_->writable()) file_->flush();
}

bool BinaryStream::Close() { return file_ ? file_->close() : false; }

int32_t BinaryStream::LastErrorCode() const { return file_ ? file_->errorCode() : 0; }
