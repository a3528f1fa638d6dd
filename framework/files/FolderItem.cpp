#include "framework/files/FolderItem.h"

#include "framework/data/Date.h"
#include "framework/runtime/Clock.h"
#include "framework/runtime/FolderItemFactory.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr char kSaveInfoVersion = '\x01';

fs::path normalised(const fs::path& path) {
    std::error_code ec;
    fs::path absolute = fs::absolute(path, ec);
    if (ec) absolute = path;
    absolute = absolute.lexically_normal();
    // "a/b/" names the folder b; keep its name reachable.
    if (!absolute.has_filename() && absolute.has_relative_path()) absolute = absolute.parent_path();
    return absolute;
}

bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// Files the framework hands to the product (documents named on the command
// line, dropped files, the executable) become items through this; the file
// is linked into any program that handles files.
const bool folderItemFactoryInstalled = (setFolderItemFactory(&FolderItem::fromPath), true);

bool keptInUrl(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~' || c == '/';
}

}  // namespace

FolderItem::FolderItem(const fs::path& path) : path_(normalised(path)) {}

std::shared_ptr<FolderItem> FolderItem::fromPath(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return nullptr;
    return std::make_shared<FolderItem>(path);
}

std::shared_ptr<FolderItem> GetFolderItem(const std::string& path) { return FolderItem::fromPath(path); }

std::shared_ptr<FolderItem> FolderItem::fromSaveInfo(const std::string& saveInfo) {
    if (saveInfo.size() < 2 || saveInfo[0] != kSaveInfoVersion || saveInfo[1] != '/') return nullptr;
    return fromPath(saveInfo.substr(1));
}

std::string FolderItem::GetSaveInfo() const { return kSaveInfoVersion + AbsolutePath(); }

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const {
    if (!isPlainName(name)) return nullptr;
    return std::make_shared<FolderItem>(path_ / name);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
    if (path_ == path_.root_path()) return nullptr;
    return std::make_shared<FolderItem>(path_.parent_path());
}

int32_t FolderItem::Count() const {
    std::error_code ec;
    int32_t count = 0;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) ++count;
    return count;
}

std::shared_ptr<FolderItem> FolderItem::Item(int32_t index) const {
    std::error_code ec;
    std::vector<fs::path> entries;
    for (fs::directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(it->path());
    if (index < 1 || static_cast<size_t>(index) > entries.size()) return nullptr;
    std::sort(entries.begin(), entries.end());
    return std::make_shared<FolderItem>(entries[static_cast<size_t>(index) - 1]);
}

std::string FolderItem::Name() const { return path_.filename().string(); }

bool FolderItem::Exists() const {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path_, ec)) && !ec;
}

bool FolderItem::Directory() const {
    std::error_code ec;
    return fs::is_directory(path_, ec);
}

int64_t FolderItem::Length() const {
    std::error_code ec;
    if (!fs::is_regular_file(path_, ec)) return 0;
    const auto size = fs::file_size(path_, ec);
    return ec ? 0 : static_cast<int64_t>(size);
}

int64_t FolderItem::ModificationMicroseconds() const {
    struct stat info {};
    if (::stat(path_.c_str(), &info) != 0) return 0;
    return int64_t{info.st_mtim.tv_sec} * 1000000 + info.st_mtim.tv_nsec / 1000;
}

std::shared_ptr<Date> FolderItem::ModificationDate() const {
    if (!Exists()) return nullptr;
    // Date counts local clock seconds from 1904-01-01.
    constexpr int64_t kSeconds1904To1970 = 2082844800;
    const int64_t micros = ModificationMicroseconds();
    const int32_t offset = Clock::localOffsetSeconds(micros);
    auto date = std::make_shared<Date>();
    date->SetTotalSeconds(static_cast<double>(micros / 1000000 + offset + kSeconds1904To1970));
    date->SetGMTOffset(offset / 3600.0);
    return date;
}

std::string FolderItem::AbsolutePath() const { return path_.string(); }

std::string FolderItem::URLPath() const {
    static const char* hex = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : path_.string()) {
        if (keptInUrl(c)) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 0xF];
        }
    }
    if (Directory() && url.back() != '/') url += '/';
    return url;
}

fs::path FolderItem::canonical() const {
    std::error_code ec;
    auto resolved = fs::weakly_canonical(path_, ec);
    return ec ? path_ : resolved;
}

bool operator==(const FolderItem& a, const FolderItem& b) { return a.canonical() == b.canonical(); }

bool FolderItem::record(int errorCode) {
    lastError_ = errorCode;
    return errorCode == 0;
}
