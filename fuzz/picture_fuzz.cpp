// libFuzzer target for the picture reader: photos dropped on the recipe and
// stored in old databases come from anywhere. CMake builds it with clang
// where clang++ is installed (build/fuzz/picture_fuzz; run it on a copy of
// fuzz/corpus/picture); the graphics tests replay that corpus.
// Whatever the bytes, reading ends in a picture of a sane size or nothing,
// and a picture that was read encodes as JPEG. The unit tests feed mutated
// pictures of every accepted format to the same reader (PictureFuzzTest).
#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/graphics/Picture.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The image format plugins (JPEG, GIF, TIFF) are found through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto picture = Picture::fromData(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!picture) return 0;
    const int64_t pixels = int64_t(picture->Width()) * picture->Height();
    if (picture->Width() <= 0 || picture->Height() <= 0 || picture->Width() > 32000 || picture->Height() > 32000 ||
        pixels > int64_t(4096) * 4096)
        std::abort();
    if (picture->toJPEG(50).empty()) std::abort();
    return 0;
}
