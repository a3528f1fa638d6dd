// Fuzz target for the resource-fork, AppleDouble and clipping property-list
// parsers, the code that reads bytes other programs wrote. Build with libFuzzer from the repository
// root, for example (one command):
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I.
//     fuzz/resource_fork_fuzz.cpp framework/files/ResourceFork.cpp
//     framework/files/AppleDouble.cpp framework/files/ExtendedAttributes.cpp
//     framework/text/TextEncoding.cpp framework/text/StringsUtf8.cpp
//     framework/files/ClippingPropertyList.cpp -fPIC
//     $(pkg-config --cflags --libs Qt6Core) -o resource_fork_fuzz
// The file tests also run this entry point over a corpus of damaged forks.
#include "framework/files/AppleDouble.h"
#include "framework/files/ClippingPropertyList.h"
#include "framework/files/ResourceFork.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const auto fork = ResourceFork::parse(bytes)) {
        // Anything the parser accepted must be safe to read in every way.
        (void)fork->GetResource("TEXT", 256);
        (void)fork->GetResourceBytes("styl", 256);
        (void)fork->HasResource("utxt", -1);
        (void)fork->ResourceCount();
    }

    // The same bytes as an AppleDouble sidecar, and its fork entry in turn.
    if (const auto entry = appleDoubleEntry(bytes, kAppleDoubleResourceFork))
        if (const auto fork = ResourceFork::parse(*entry)) (void)fork->GetResource("TEXT", 256);
    (void)appleDoubleEntry(bytes, kAppleDoubleFinderInfo);
    (void)clippingTextFromPropertyList(bytes);
    return 0;
}
