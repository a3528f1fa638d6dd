#pragma once
// Text written to a file as it is given (UTF-8, no conversion). WriteLine
// ends each line with Delimiter, which is the system's EndOfLine: a carriage
// return (0x0D), the product's historical line end. Keeping CR matters: the
// recipe export turns CRs inside a field into line feeds precisely so that a
// record stays on one line, which only works when lines end in CR.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class FileHandle;

class TextOutputStream {
public:
    static constexpr std::string_view EndOfLine = "\r";

    explicit TextOutputStream(std::unique_ptr<FileHandle> file);
    ~TextOutputStream();  // closes
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    std::string Delimiter{EndOfLine};

    void Write(std::string_view text);
    void WriteLine(std::string_view text);
    void Flush();
    // Finishes the file; a file created to replace another takes its place
    // now, and only when every write succeeded. False otherwise.
    bool Close();

    bool WriteError() const { return writeError_; }
    int32_t LastErrorCode() const;

private:
    std::unique_ptr<FileHandle> file_;
    int64_t position_ = 0;
    bool writeError_ = false;
};
