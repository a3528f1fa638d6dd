#include "framework/files/LeftoverTemporaries.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>

namespace fs = std::filesystem;

namespace {

std::mutex& journalMutex() {
    static std::mutex m;
    return m;
}

std::string& journal() {
    static std::string folder;
    return folder;
}

fs::path entryFor(const std::string& temporaryPath) {
    return fs::path(journal()) / (std::to_string(std::hash<std::string>{}(temporaryPath)) + ".entry");
}

}  // namespace

namespace LeftoverTemporaries {

bool isTemporaryName(const std::string& name) {
    const std::string::size_type at = name.rfind(".tmp-");
    return !name.empty() && name.front() == '.' && at != std::string::npos && name.size() == at + 5 + 6;
}

int startJournal(const std::string& folder) {
    std::lock_guard<std::mutex> lock(journalMutex());
    journal() = folder;
    std::error_code ec;
    int removed = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        std::ifstream in(entry.path());
        const std::string path((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        // Only a file the writers named is removed, whatever the entry says.
        if (!path.empty() && isTemporaryName(fs::path(path).filename().string()) && fs::remove(path, ec)) ++removed;
        fs::remove(entry.path(), ec);
    }
    fs::remove(folder, ec);  // only when empty: the journal is there while a file is noted
    return removed;
}

void stopJournal() {
    std::lock_guard<std::mutex> lock(journalMutex());
    journal().clear();
}

void note(const std::string& temporaryPath) {
    std::lock_guard<std::mutex> lock(journalMutex());
    if (journal().empty()) return;
    // Written and flushed before the temporary file exists, so a kill at any
    // later moment leaves the entry.
    std::error_code ec;
    fs::create_directories(journal(), ec);
    const fs::path entry = entryFor(temporaryPath);
    const int fd = ::open(entry.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const char* data = temporaryPath.data();
    size_t left = temporaryPath.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written <= 0) break;
        data += written;
        left -= static_cast<size_t>(written);
    }
    ::close(fd);
}

void forget(const std::string& temporaryPath) {
    std::lock_guard<std::mutex> lock(journalMutex());
    if (journal().empty()) return;
    std::error_code ec;
    fs::remove(entryFor(temporaryPath), ec);
    fs::remove(journal(), ec);  // fails, as meant, while other entries are there
}

}  // namespace LeftoverTemporaries
