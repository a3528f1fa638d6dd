#pragma once
// A file read and written as bytes and binary numbers. Multi-byte values are
// big-endian unless LittleEndian is set. Reading past the end never fails
// hard: Read returns the bytes that are there (maybe none), a number that is
// not all there reads as 0, and EndOfFile() turns true. Writes on a stream
// opened read-only, or after the stream is closed, change nothing and set
// WriteError.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class FileHandle;

class BinaryStream {
public:
    explicit BinaryStream(std::unique_ptr<FileHandle> file);
    ~BinaryStream();  // closes
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    bool LittleEndian = false;

    int64_t Length() const;
    void setLength(int64_t length);  // truncates or extends with zeros
    int64_t Position() const { return position_; }
    void setPosition(int64_t position) { position_ = position < 0 ? 0 : position; }
    // True once the position is at or past the end (the old framework's EOF,
    // which a C macro of that name keeps us from using as a method name).
    bool EndOfFile() const;

    std::string Read(int64_t count);
    int8_t ReadByte() { return static_cast<int8_t>(readUnsigned(1)); }
    uint8_t ReadUInt8() { return static_cast<uint8_t>(readUnsigned(1)); }
    int16_t ReadInt16() { return static_cast<int16_t>(readUnsigned(2)); }
    uint16_t ReadUInt16() { return static_cast<uint16_t>(readUnsigned(2)); }
    int32_t ReadInt32() { return static_cast<int32_t>(readUnsigned(4)); }
    uint32_t ReadUInt32() { return static_cast<uint32_t>(readUnsigned(4)); }
    int64_t ReadInt64() { return static_cast<int64_t>(readUnsigned(8)); }
    uint64_t ReadUInt64() { return readUnsigned(8); }
    bool ReadBoolean() { return readUnsigned(1) != 0; }
    float ReadSingle();
    double ReadDouble();
    // A length byte followed by that many bytes; short at the end of file.
    std::string ReadPString();

    void Write(std::string_view bytes);
    void WriteByte(int8_t v) { writeUnsigned(1, static_cast<uint8_t>(v)); }
    void WriteUInt8(uint8_t v) { writeUnsigned(1, v); }
    void WriteInt16(int16_t v) { writeUnsigned(2, static_cast<uint16_t>(v)); }
    void WriteUInt16(uint16_t v) { writeUnsigned(2, v); }
    void WriteInt32(int32_t v) { writeUnsigned(4, static_cast<uint32_t>(v)); }
    void WriteUInt32(uint32_t v) { writeUnsigned(4, v); }
    void WriteInt64(int64_t v) { writeUnsigned(8, static_cast<uint64_t>(v)); }
    void WriteUInt64(uint64_t v) { writeUnsigned(8, v); }
    void WriteBoolean(bool v) { writeUnsigned(1, v ? 1 : 0); }
    void WriteSingle(float value);
    void WriteDouble(double value);
    // At most 255 bytes are written; a longer string is cut there.
    void WritePString(std::string_view bytes);

    void Flush();
    // Finishes the file; for a file created to replace another this is the
    // moment the new content takes the old one's place. False when the file
    // could not be written out (the old content then stays).
    bool Close();

    bool WriteError() const { return writeError_; }
    // errno of the first failure, 0 when none.
    int32_t LastErrorCode() const;

private:
    uint64_t readUnsigned(int width);
    void writeUnsigned(int width, uint64_t value);

    std::unique_ptr<FileHandle> file_;
    int64_t position_ = 0;
    bool writeError_ = false;
};
