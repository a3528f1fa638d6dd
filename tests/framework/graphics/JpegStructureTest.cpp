#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/JpegStructure.h"

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// SOI, a 4-byte APP0, a scan with stuffed and restart bytes, EOI.
const std::string complete = bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 0x41, 0x42, 0xFF, 0xDA, 0x00, 0x02, 0x12,
                                    0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56, 0xFF, 0xD9});

}  // namespace

TEST(JpegStructure, CompleteFilesPass) {
    EXPECT_TRUE(jpegIsComplete(complete));
    EXPECT_TRUE(jpegIsComplete(complete + "padding after the end"));
    EXPECT_TRUE(jpegIsComplete(bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xD9})));  // fill bytes before a marker
}

TEST(JpegStructure, EveryTruncationFails) {
    for (size_t n = 0; n < complete.size(); ++n) EXPECT_FALSE(jpegIsComplete(complete.substr(0, n))) << n;
}

TEST(JpegStructure, AnEndMarkerInsideASegmentDoesNotCount) {
    // A thumbnail's own end marker inside APP1, then the main image cut off.
    const std::string cut = bytes({0xFF, 0xD8, 0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD8, 0xFF, 0xD9, 0xFF, 0xDA, 0x00,
                                   0x02, 0x12, 0x34});
    EXPECT_FALSE(jpegIsComplete(cut));
}

TEST(JpegStructure, BrokenStructureFails) {
    EXPECT_FALSE(jpegIsComplete("GIF89a"));
    EXPECT_FALSE(jpegIsComplete(bytes({0xFF, 0xD8, 0x00, 0xFF, 0xD9})));              // no marker where one belongs
    EXPECT_FALSE(jpegIsComplete(bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xD9})));  // length below 2
    EXPECT_FALSE(jpegIsComplete(bytes({0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF, 0xFF, 0xD9})));  // length past the end
}
