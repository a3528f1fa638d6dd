// Damaged pictures must be refused or read, never crash or hang: every
// reader sees mutations of valid JPEG, PNG, GIF, TIFF and BMP files, and the
// fuzz target's corpus goes through the fuzz entry point itself.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <random>

#include "framework/graphics/Picture.h"
#include "fuzz/picture_fuzz.cpp"
#include "tests/support/TestFiles.h"

namespace {

std::string encode(const char* format) {
    QImage image(24, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x) image.setPixel(x, y, qRgb(x * 10, y * 15, (x + y) * 6));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return data.toStdString();
}

}  // namespace

TEST(PictureFuzz, MutatedFilesNeverCrash) {
    std::mt19937 random(20261207);
    int read = 0;
    for (const char* format : {"jpeg", "png", "tiff", "bmp"}) {
        const std::string original = encode(format);
        ASSERT_FALSE(original.empty()) << format;
        for (int round = 0; round < 150; ++round) {
            std::string mutated = original;
            const int edits = 1 + static_cast<int>(random() % 8);
            for (int e = 0; e < edits; ++e) {
                const size_t at = random() % mutated.size();
                switch (random() % 3) {
                    case 0: mutated[at] = static_cast<char>(random()); break;
                    case 1: mutated.erase(at, 1 + random() % 16); break;
                    default: mutated.insert(at, std::string(1 + random() % 4, static_cast<char>(random()))); break;
                }
                if (mutated.empty()) mutated = "x";
            }
            auto picture = Picture::fromData(mutated);
            if (picture) {
                ++read;
                EXPECT_GT(picture->Width(), 0);
                EXPECT_LE(picture->Width(), 32000);
            }
        }
    }
    SUCCEED() << read << " mutated files were still readable";
}

// The entry point aborts on a picture of an insane size or one that will not
// encode; every corpus file must get through it.
TEST(PictureFuzz, CorpusReadsAsASanePictureOrNothing) {
    const auto files = fuzzCorpus("picture");
    ASSERT_GE(files.size(), 8u) << fuzzCorpusFolder("picture");
    for (const auto& [name, bytes] : files)
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << name;
}
