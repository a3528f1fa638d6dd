#pragma once
// Whole files read and written as bytes, for tests that lay out the files a
// program meets or check the ones it wrote.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Replaces the file's content with these bytes.
inline void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file's bytes; empty when it cannot be read.
inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
