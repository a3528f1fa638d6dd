#include "framework/files/FileType.h"

#include "framework/text/Strings.h"

#include <algorithm>
#include <atomic>
#include <mutex>

namespace {

struct Registration {
    uint64_t owner;
    RegisteredFileType type;
};

std::mutex& registryMutex() {
    static std::mutex m;
    return m;
}

std::vector<Registration>& registry() {
    static std::vector<Registration> r;
    return r;
}

std::atomic<uint64_t> nextId{1};

std::atomic<bool>& typesInUse() {
    static std::atomic<bool> inUse{false};
    return inUse;
}

std::vector<std::string> splitList(const std::string& list) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(';', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) parts.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string withoutLeadingDot(std::string extension) {
    if (!extension.empty() && extension.front() == '.') extension.erase(0, 1);
    return extension;
}

}  // namespace

bool fileTypesInUse() { return typesInUse(); }

FileType::FileType() : id_(nextId++) {}

FileType::~FileType() { withdraw(); }

void FileType::setName(std::string value) {
    withdraw();
    name_ = std::move(value);
}

void FileType::setExtensions(std::string value) {
    withdraw();
    extensions_ = std::move(value);
}

void FileType::setMacType(std::string value) {
    withdraw();
    macType_ = std::move(value);
}

void FileType::setMacCreator(std::string value) {
    withdraw();
    macCreator_ = std::move(value);
}

std::string FileType::toString() {
    // Dialog filters and drop targets go by the registry from now on.
    typesInUse() = true;
    std::lock_guard lock(registryMutex());
    auto& r = registry();
    const bool registered = std::any_of(r.begin(), r.end(), [&](const Registration& e) { return e.owner == id_; });
    if (!registered) {
        RegisteredFileType type{name_, {}, macType_, macCreator_};
        for (auto& extension : splitList(extensions_)) {
            auto bare = withoutLeadingDot(extension);
            if (!bare.empty()) type.extensions.push_back(std::move(bare));
        }
        r.push_back({id_, std::move(type)});
    }
    return name_;
}

bool FileType::isRegistered() const {
    std::lock_guard lock(registryMutex());
    const auto& r = registry();
    return std::any_of(r.begin(), r.end(), [&](const Registration& e) { return e.owner == id_; });
}

void FileType::withdraw() {
    std::lock_guard lock(registryMutex());
    auto& r = registry();
    r.erase(std::remove_if(r.begin(), r.end(), [&](const Registration& e) { return e.owner == id_; }), r.end());
}

std::string operator+(FileType& a, FileType& b) { return a.toString() + ";" + b.toString(); }

std::string operator+(const std::string& a, FileType& b) {
    if (a.empty() || a.back() == ';') return a + b.toString();
    return a + ";" + b.toString();
}

std::vector<RegisteredFileType> registeredFileTypes() {
    std::lock_guard lock(registryMutex());
    std::vector<RegisteredFileType> types;
    for (const auto& entry : registry()) types.push_back(entry.type);
    return types;
}

std::optional<RegisteredFileType> registeredFileTypeNamed(const std::string& name) {
    for (auto& type : registeredFileTypes())
        if (StrEq(type.name, name)) return type;
    return std::nullopt;
}

std::optional<RegisteredFileType> registeredFileTypeForFileName(const std::string& fileName) {
    for (auto& type : registeredFileTypes()) {
        for (const auto& extension : type.extensions) {
            if (fileName.size() <= extension.size()) continue;
            const size_t dot = fileName.size() - extension.size() - 1;
            if (fileName[dot] == '.' && StrEq(fileName.substr(dot + 1), extension)) return type;
        }
    }
    return std::nullopt;
}

std::optional<RegisteredFileType> registeredFileTypeForMacType(const std::string& macType) {
    if (macType.empty()) return std::nullopt;
    for (auto& type : registeredFileTypes())
        if (type.macType == macType) return type;
    return std::nullopt;
}

std::vector<RegisteredFileType> registeredFileTypesInFilter(const std::string& filter) {
    std::vector<RegisteredFileType> matches;
    const auto entries = splitList(filter);
    for (auto& type : registeredFileTypes()) {
        const bool named = std::any_of(entries.begin(), entries.end(), [&](const std::string& entry) {
            return StrEq(entry, type.name) || (!type.macType.empty() && entry == type.macType);
        });
        if (named) matches.push_back(std::move(type));
    }
    return matches;
}
