// Fuzz target for the preferences reader (libFuzzer). CMake builds it with
// clang where clang++ is installed (build/fuzz/prefs_fuzz; run it on a copy
// of fuzz/corpus/prefs); the prefs tests replay that corpus through this
// entry point on every run.
// File references in a block are stood in for below, so the target needs no
// file system or window code.
// Whatever the bytes, reading must end in a dictionary or nil, and writing a
// dictionary that was read must work or raise.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "prefs/FolderItemSaveInfo.h"
#include "prefs/PrefsFileFormat.h"

// Stand-ins for the file-reference coding: a reference reads as nil. The
// tests that replay the corpus link the real coding and define the macro.
#ifndef LARDERWISE_FUZZ_WITH_FILE_REFERENCES
std::string BDictionary::folderItemSaveInfo(const FolderItem&) { return std::string(); }
std::shared_ptr<FolderItem> BDictionary::folderItemFromSaveInfo(const std::string&) { return nullptr; }
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (auto body = BPrefs::DecodePrefsFile(bytes)) BDictionary::Convert(body);
    if (auto dict = BDictionary::Convert(MemoryBlock::FromString(bytes))) {
        try {
            BDictionary::Convert(dict);
        } catch (const RuntimeException&) {
        }
    }
    return 0;
}
