// Fuzz target for the preferences reader (libFuzzer). Not part of the CMake
// build; from the repository root, one command:
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. fuzz/prefs_fuzz.cpp
//     prefs/BlockReader.cpp prefs/BlockWriter.cpp prefs/ByteCipher.cpp prefs/PrefsFileFormat.cpp
//     framework/data/*.cpp framework/text/Strings*.cpp framework/runtime/Clock.cpp -fPIC
//     $(pkg-config --cflags --libs Qt6Core) -o prefs_fuzz
//   ./prefs_fuzz
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

// Stand-ins for the file-reference coding: a reference reads as nil.
std::string BDictionary::folderItemSaveInfo(const FolderItem&) { return std::string(); }
std::shared_ptr<FolderItem> BDictionary::folderItemFromSaveInfo(const std::string&) { return nullptr; }

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
