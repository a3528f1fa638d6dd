#include "framework/files/TextOutputStream.h"

#include "framework/files/FileHandle.h"

TextOutputStream::TextOutputStream(std::unique_ptr<FileHandle> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() { Close(); }

void TextOutputStream::Write(std::string_view text) {
    if (!file_ || !file_->writeAt(position_, text)) {
        writeError_ = true;
        return;
    }
    position_ += static_cast<int64_t>(text.size());
}

void TextOutputStream::WriteLine(std::string_view text) {
    // One write, so a line never reaches the file without its end.
    std::string line(text);
    line += Delimiter;
    Write(line);
}

void TextOutputStream::Flush() {
    if (file_) file_->flush();
}

bool TextOutputStream::Close() { return file_ ? file_->close() : false; }

int32_t TextOutputStream::LastErrorCode() const { return file_ ? file_->errorCode() : 0; }
