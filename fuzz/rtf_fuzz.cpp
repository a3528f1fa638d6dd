// libFuzzer target for the RTF reader. Not part of the CMake build; build it
// by hand with clang when hunting for faults:
//
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I.
//       fuzz/rtf_fuzz.cpp framework/text/StyledText*.cpp framework/text/Rtf*.cpp
//       framework/text/StringsUtf8.cpp framework/text/TextEncoding.cpp -o rtf_fuzz
//   ./rtf_fuzz -dict=fuzz/rtf.dict fuzz/corpus/rtf
//
// Beyond "no crash, no hang, no read outside the input", it checks that
// whatever the reader made of the input is stable: written and read again,
// it writes the very same RTF. The unit tests replay fuzz/corpus/rtf through
// this same entry point.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/text/StyledText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    StyledText text("unchanged");
    const StyledText before = text;
    if (!text.SetRTFData(std::string(reinterpret_cast<const char*>(data), size))) {
        if (!(text == before)) {
            std::fprintf(stderr, "refused input changed the value\n");
            std::abort();
        }
        return 0;
    }
    const std::string written = text.RTFData();
    StyledText again;
    if (!again.SetRTFData(written) || again.RTFData() != written) {
        std::fprintf(stderr, "not stable through write and read:\n%s\n", written.c_str());
        std::abort();
    }
    return 0;
}
