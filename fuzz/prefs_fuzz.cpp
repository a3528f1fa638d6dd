// Fuzz target for the preferences reader (libFuzzer). Not part of the CMake
// build; compile it by hand against the framework data classes, e.g.
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I. -I<build>/... \
//     fuzz/prefs_fuzz.cpp prefs/*.cpp framework/data/*.cpp framework/runtime/Clock.cpp ...
// Whatever the bytes, reading must end in a dictionary or nil, and writing a
// dictionary that was read must work or raise.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/runtime/RuntimeException.h"
#include "prefs/BDictionary.h"
#include "prefs/PrefsFileFormat.h"

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
