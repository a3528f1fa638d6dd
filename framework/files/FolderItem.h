#pragma once
// A file or folder named by its path, whether or not it exists yet. Handed
// around as std::shared_ptr<FolderItem>; operations that can fail record the
// errno in LastErrorCode (0 = success). Two items are equal when their
// canonical paths are, so "a/../b" and "b" name the same file.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

class BinaryStream;
class Date;
class Picture;
class ResourceFork;
class TextInputStream;
class TextOutputStream;

class FolderItem {
public:
    explicit FolderItem(const std::filesystem::path& path);  // made absolute
    static std::shared_ptr<FolderItem> fromPath(const std::string& path);
    // The item a GetSaveInfo string names; nothing for a string that is not one.
    static std::shared_ptr<FolderItem> fromSaveInfo(const std::string& saveInfo);

    // The item named `name` inside this folder. Nothing when `name` is not a
    // plain name (empty, ".", "..", or holding "/" or NUL): a name typed by the
    // user must never reach outside the folder it was meant for.
    std::shared_ptr<FolderItem> Child(const std::string& name) const;
    std::shared_ptr<FolderItem> Parent() const;  // nothing at the root
    // The folder's entries sorted by name; Item counts from 1.
    int32_t Count() const;
    std::shared_ptr<FolderItem> Item(int32_t index) const;

    std::string Name() const;
    bool Exists() const;
    bool Directory() const;
    int64_t Length() const;  // bytes; 0 for a folder or a missing file
    // Last modification, in microseconds since the Unix epoch (UTC); 0 when
    // the item does not exist.
    int64_t ModificationMicroseconds() const;
    // The same moment as a local Date; nothing when the item does not exist.
    std::shared_ptr<Date> ModificationDate() const;
    bool Visible() const { return true; }  // no hidden flag on Linux
    void setVisible(bool) {}

    std::string AbsolutePath() const;
    std::string NativePath() const { return AbsolutePath(); }
    std::string ShellPath() const { return AbsolutePath(); }
    std::string URLPath() const;  // file:// URL, percent-encoded; folders end in "/"

    bool CreateAsFolder();
    // Deletes a file or an empty folder (and the file's AppleDouble sidecar).
    bool Delete();
    // Copies this file to `destination` (a file, or a folder to copy into
    // under the same name). An existing file there is replaced atomically,
    // and the copy keeps the Mac type, creator and resource fork. Copying a
    // file onto itself changes nothing and succeeds.
    bool CopyFileTo(const FolderItem& destination);
    bool CopyFileTo(const std::shared_ptr<FolderItem>& destination);
    // Moves (renames) this item to `destination` (or into it, when it is a
    // folder); this item then names the new place.
    bool MoveFileTo(const FolderItem& destination);
    bool MoveFileTo(const std::shared_ptr<FolderItem>& destination);

    // A new text file replacing any file of this name once the stream is
    // closed (see AtomicFileWriter). Nothing on failure.
    std::shared_ptr<TextOutputStream> CreateTextFile();
    std::shared_ptr<TextInputStream> OpenAsTextFile();
    // A new binary file replacing any file of this name once closed. When
    // `fileType` names a registered file type, its Mac type and creator are
    // stamped on the file when the stream closes.
    std::shared_ptr<BinaryStream> CreateBinaryFile(const std::string& fileType = "");
    std::shared_ptr<BinaryStream> OpenAsBinaryFile(bool readWrite = false);
    // The file read as a picture (JPEG, PNG, GIF, TIFF or BMP, judged by
    // content). Nothing when it cannot be read as one.
    std::shared_ptr<Picture> OpenAsPicture();
    // The file's resource fork, from its extended attribute or its AppleDouble
    // sidecar; for a newer clipping without one, its property-list text as
    // "TEXT" 256. Nothing when it has none or it is malformed.
    std::shared_ptr<ResourceFork> OpenResourceFork();

    // Mac type and creator: stored best effort (failure is silent), read back
    // from what is stored, otherwise inferred from the registered file type
    // that matches the file's extension.
    std::string MacType() const;
    std::string MacCreator() const;
    void setMacType(const std::string& code);
    void setMacCreator(const std::string& code);
    // The name of the registered file type that matches: by extension first
    // (registration order), then by Mac type; "" when none does.
    std::string Type() const;

    // A string that finds this item again (FolderItem::fromSaveInfo).
    std::string GetSaveInfo() const;

    int32_t LastErrorCode() const { return lastError_; }

    const std::filesystem::path& path() const { return path_; }
    friend bool operator==(const FolderItem& a, const FolderItem& b);

private:
    bool record(int errorCode);
    std::filesystem::path canonical() const;

    std::filesystem::path path_;
    int32_t lastError_ = 0;
};

// A path relative to the current folder (or absolute) as an item.
std::shared_ptr<FolderItem> GetFolderItem(const std::string& path);
