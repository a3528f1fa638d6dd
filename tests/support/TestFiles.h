#pragma once
// Whole files read and written as bytes, for tests that lay out the files a
// program meets or check the ones it wrote.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

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

// The source tree this test program was built from, wherever the test runs.
// The compiler is given paths relative to the build folder (so that ccache
// serves clones and work trees alike), and __FILE__ is one of them: it is
// taken from the build folder, which holds the test programs in tests/, never
// from the folder the test happens to run in.
inline std::filesystem::path sourceRoot() {
    const std::filesystem::path build = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
    return (build / __FILE__).lexically_normal().parent_path().parent_path().parent_path();
}

// The checked-in corpus of one fuzz target (fuzz/corpus/<target>), which the
// ordinary tests replay through the target's entry point.
inline std::filesystem::path fuzzCorpusFolder(const std::string& target) {
    return sourceRoot() / "fuzz" / "corpus" / target;
}

// Its files as (name, bytes), in name order.
inline std::vector<std::pair<std::string, std::string>> fuzzCorpus(const std::string& target) {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(fuzzCorpusFolder(target)))
        files.emplace_back(entry.path().filename().string(), readBytes(entry.path()));
    std::sort(files.begin(), files.end());
    return files;
}
