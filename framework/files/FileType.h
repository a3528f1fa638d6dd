#pragma once
// A named kind of file (name, extensions, Mac type and creator) and the
// framework's registry of them. Open dialogs, drop acceptance and the
// inference of a file's Mac type from its name all read the registry.
//
// Taking a type's string form registers it (once) and yields its name; any
// later property change withdraws the registration until the string form is
// taken again, and destroying the type withdraws it too.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class FileType {
public:
    FileType();
    ~FileType();
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Extensions() const { return extensions_; }  // ";"-separated
    const std::string& MacType() const { return macType_; }
    const std::string& MacCreator() const { return macCreator_; }
    void setName(std::string value);
    void setExtensions(std::string value);
    void setMacType(std::string value);
    void setMacCreator(std::string value);

    // The string form: registers the type when it is not registered, and
    // answers its name.
    std::string toString();
    operator std::string() { return toString(); }
    bool isRegistered() const;

private:
    void withdraw();

    uint64_t id_;
    std::string name_, extensions_, macType_, macCreator_;
};

// Two types joined as strings give "A;B"; a string joined with a type adds
// the ";" only where the string does not already end with one.
std::string operator+(FileType& a, FileType& b);
std::string operator+(const std::string& a, FileType& b);

// What the registry hands out: a snapshot of one registered type.
struct RegisteredFileType {
    std::string name;
    std::vector<std::string> extensions;  // as registered, a leading dot removed
    std::string macType;
    std::string macCreator;
};

// True once the first type was registered: open and save dialogs and drop
// targets go by the registry from then on.
bool fileTypesInUse();

// Registered types in registration order.
std::vector<RegisteredFileType> registeredFileTypes();

// The first registered type with this name (compared without regard to case).
std::optional<RegisteredFileType> registeredFileTypeNamed(const std::string& name);

// The first registered type (registration order) whose extension ends the
// file name after a dot, compared without regard to case.
std::optional<RegisteredFileType> registeredFileTypeForFileName(const std::string& fileName);

// The first registered type with exactly this Mac type (case matters:
// "text" and "TEXT" are different types).
std::optional<RegisteredFileType> registeredFileTypeForMacType(const std::string& macType);

// The registered types a filter such as "REALSQLDatabase;" or "TEXT;clpt"
// names: each ";"-separated entry matches a type by name (case-blind) or by
// Mac type (exact). Entries that match nothing contribute nothing.
std::vector<RegisteredFileType> registeredFileTypesInFilter(const std::string& filter);
