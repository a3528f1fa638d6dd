#include "prefs/BPrefs.h"

#include <cstring>

#include "framework/data/Dictionary.h"
#include "framework/files/AtomicFileWriter.h"
#include "framework/files/BinaryStream.h"
#include "framework/files/FolderItem.h"
#include "framework/files/SpecialFolder.h"
#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"

namespace BPrefs {
namespace {

constexpr const char* kFileName = "Larderwise Prefs";
constexpr const char* kVersionKey = "app_vers";
constexpr const char* kMacType = "pref";
constexpr const char* kMacCreator = "laWi";

// The reader finds the outermost dictionary by the zero high half of its
// first offset, so a store of more pairs would be written but not read
// back; refuse it before touching the file.
constexpr int32_t kMaxStoredPairs = 8191;

std::shared_ptr<Dictionary> mPrefs;

Dictionary& store() {
    if (!mPrefs) InitPrefs();
    return *mPrefs;
}

std::string readWholeFile(FolderItem& file) {
    auto stream = file.OpenAsBinaryFile(false);
    if (!stream) throw RuntimeException("The preferences file could not be opened.", file.LastErrorCode());
    const int64_t length = stream->Length();
    std::string bytes = stream->Read(length);
    stream->Close();
    // A short read is a read error, not a damaged file: refusing it keeps
    // the next Save from replacing preferences that are still good.
    if (static_cast<int64_t>(bytes.size()) != length)
        throw RuntimeException("The preferences file could not be read.");
    return bytes;
}

}  // namespace

std::shared_ptr<FolderItem> PrefsFile() {
    auto folder = PreferencesFolder();
    if (!folder) throw NilObjectException("The Preferences folder cannot be found.");
    return folder->Child(kFileName);
}

void InitPrefs() {
    auto file = PrefsFile();
    if (mPrefs) return;
    if (!file->Exists()) {
        mPrefs = std::make_shared<Dictionary>();
        return;
    }
    auto body = DecodePrefsFile(readWholeFile(*file));
    auto loaded = body ? BDictionary::Convert(body) : nullptr;
    // A damaged file counts as no file: the store starts empty and the next
    // Save replaces it, instead of failing at every use and every quit.
    mPrefs = loaded ? loaded : std::make_shared<Dictionary>();
}

Variant Value(const Variant& key) {
    return store().Value(key);
}

void SetValue(const Variant& key, const Variant& value) {
    store().SetValue(key, value);
}

bool HasKey(const Variant& key) {
    return store().HasKey(key);
}

void Remove(const Variant& key) {
    Dictionary& prefs = store();
    if (prefs.HasKey(key)) prefs.Remove(key);
}

void Save() {
    auto file = PrefsFile();
    Dictionary& prefs = store();
    prefs.SetValue(kVersionKey, AppVersionCode());
    if (prefs.Count() > kMaxStoredPairs)
        throw RuntimeException("The preferences hold too many entries to be saved.");

    // Serialising raises on a value that cannot be stored, before the file
    // is touched; the write then replaces the file in one step.
    const std::string contents = EncodePrefsFile(*BDictionary::Convert(mPrefs));
    if (const int error = replaceFileAtomically(file->path(), contents))
        throw RuntimeException(std::string("The preferences could not be saved: ") + std::strerror(error), error);
    file->setMacCreator(kMacCreator);
    file->setMacType(kMacType);
}

void Unload() {
    mPrefs.reset();
}

}  // namespace BPrefs
