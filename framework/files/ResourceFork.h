#pragma once
// A Mac resource fork, read-only. Linux files have no forks, so the bytes
// come from the `user.com.apple.ResourceFork` attribute or an AppleDouble
// sidecar (see FolderItem::OpenResourceFork). The whole map is checked when
// the fork is parsed: any offset outside its area, overlapping areas or
// lists, a duplicate resource or a truncated file makes the fork unreadable
// as a whole, which callers see as "no resource".
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ResourceFork {
public:
    // Nothing when the bytes are not a well-formed resource fork.
    static std::shared_ptr<ResourceFork> parse(std::string_view bytes);
    // A fork holding just one resource (a clipping's text found elsewhere).
    static std::shared_ptr<ResourceFork> holding(const std::string& type, int16_t id, std::string bytes);

    // The resource's content as text: UTF-8 when it is valid UTF-8,
    // otherwise decoded as Mac Roman. "" when there is no such resource.
    // Type codes are given as text ("TEXT") and compared exactly.
    std::string GetResource(const std::string& type, int16_t id) const;
    // The resource's raw bytes, "" when there is no such resource.
    std::string GetResourceBytes(const std::string& type, int16_t id) const;
    bool HasResource(const std::string& type, int16_t id) const;
    int32_t ResourceCount() const { return static_cast<int32_t>(resources_.size()); }

private:
    struct Resource {
        std::string type;  // four bytes as stored (Mac Roman)
        int16_t id;
        size_t dataOffset;  // into bytes_, past the length word
        size_t length;
    };
    const Resource* find(const std::string& type, int16_t id) const;

    std::string bytes_;
    std::vector<Resource> resources_;
};
