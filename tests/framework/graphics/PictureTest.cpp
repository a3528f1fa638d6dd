#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <cstdlib>

#include "framework/graphics/ImageGraphics.h"
#include "framework/graphics/Picture.h"
#include "tests/framework/graphics/PixelProbe.h"
#include "tests/support/TestFiles.h"

namespace {

// A 40 x 30 picture: left half red, right half blue.
QImage twoColourImage() {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 40; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    EXPECT_TRUE(writer.write(image)) << format << ": " << writer.errorString().toStdString();
    return bytes.toStdString();
}

QImage noisyImage() {
    QImage noisy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) noisy.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
    return noisy;
}

bool near(Color a, Color b, int tolerance = 24) {
    return std::abs(redOf(a) - redOf(b)) <= tolerance && std::abs(greenOf(a) - greenOf(b)) <= tolerance &&
           std::abs(blueOf(a) - blueOf(b)) <= tolerance;
}

uint32_t crc32(const QByteArray& data) {
    uint32_t crc = 0xFFFFFFFF;
    for (char ch : data) {
        crc ^= static_cast<uint8_t>(ch);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void appendBigEndian(QByteArray& out, uint32_t v) {
    for (int shift : {24, 16, 8, 0}) out.append(static_cast<char>((v >> shift) & 0xFF));
}

// A PNG whose header claims width x height pixels, with no image data.
std::string pngHeaderClaiming(uint32_t width, uint32_t height) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    appendBigEndian(ihdr, width);
    appendBigEndian(ihdr, height);
    ihdr.append("\x08\x02\x00\x00\x00", 5);
    appendBigEndian(png, 13);
    png.append(ihdr);
    appendBigEndian(png, crc32(ihdr));
    return png.toStdString();
}

struct PictureAllocationFailure {
    PictureAllocationFailure() { Picture::failAllocationsForTesting(true); }
    ~PictureAllocationFailure() { Picture::failAllocationsForTesting(false); }
};

}  // namespace

TEST(Picture, NewPictureIsWhiteAtTheAskedSize) {
    auto p = NewPicture(30, 20, 32);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Width(), 30);
    EXPECT_EQ(p->Height(), 20);
    EXPECT_EQ(p->Depth(), 32);
    EXPECT_EQ(colorAt(p->image(), 29, 19), 0xFFFFFFu);
    EXPECT_EQ(p->Graphics()->Width(), 30);
    EXPECT_EQ(p->Graphics(), p->Graphics());  // one surface per picture
    EXPECT_FALSE(Picture::fromImage(QImage()));
}

TEST(Picture, NewPictureRefusesSizesItCannotOrShouldNotMake) {
    EXPECT_FALSE(NewPicture(0, 10));
    EXPECT_FALSE(NewPicture(10, -1));
    EXPECT_FALSE(NewPicture(100000, 10));
    EXPECT_FALSE(NewPicture(30000, 30000));  // over 2^28 pixels
    EXPECT_FALSE(NewPicture(10, 10, 0));
    EXPECT_FALSE(NewPicture(10, 10, 33));
    EXPECT_TRUE(NewPicture(10, 10, 24));
    PictureAllocationFailure outOfMemory;
    EXPECT_FALSE(NewPicture(10, 10));
}

TEST(Picture, DrawingOnThePictureChangesItsImage) {
    auto p = NewPicture(10, 10);
    ASSERT_TRUE(p);
    p->Graphics()->ForeColor = 0x123456;
    p->Graphics()->FillRect(2, 2, 3, 3);
    EXPECT_EQ(colorAt(p->image(), 3, 3), 0x123456u);
    p->Graphics()->ClearRect(0, 0, 10, 10);
    EXPECT_EQ(qAlpha(p->image().pixel(3, 3)), 0);  // a cleared picture is clear
}

TEST(Picture, MaskGreyIsTheOppositeOfOpacity) {
    auto p = NewPicture(4, 1);
    ASSERT_TRUE(p);
    p->Graphics()->ForeColor = 0xC80000;
    p->Graphics()->FillRect(0, 0, 4, 1);
    EXPECT_FALSE(p->hasMask());
    auto mask = p->Mask();
    ASSERT_TRUE(mask);
    EXPECT_EQ(mask, p->Mask());
    EXPECT_EQ(colorAt(mask->image(), 0, 0), 0x000000u);  // a new mask hides nothing
    mask->Graphics()->ClearRect(0, 0, 4, 1);             // cleared: white, fully clear
    mask->Graphics()->ForeColor = 0x000000;
    mask->Graphics()->DrawLine(1, 0, 1, 0);
    mask->Graphics()->ForeColor = 0x444444;
    mask->Graphics()->DrawLine(2, 0, 2, 0);
    const QImage composed = p->composedImage();
    EXPECT_EQ(qAlpha(composed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(composed.pixel(1, 0)), 255);
    EXPECT_EQ(qAlpha(composed.pixel(2, 0)), 255 - 0x44);
    EXPECT_EQ(composed.pixel(1, 0) & 0xFFFFFF, 0xC80000u);
}

TEST(Picture, DrawPictureHonoursTheMask) {
    auto p = NewPicture(2, 1);
    ASSERT_TRUE(p);
    p->Graphics()->ForeColor = 0x0000FF;
    p->Graphics()->FillRect(0, 0, 2, 1);
    p->Mask()->Graphics()->ForeColor = 0xFFFFFF;
    p->Mask()->Graphics()->FillRect(1, 0, 1, 1);
    QImage target = whiteImage(2, 1);
    ImageGraphics g(target);
    g.DrawPicture(p, 0, 0);
    EXPECT_EQ(colorAt(target, 0, 0), 0x0000FFu);
    EXPECT_EQ(colorAt(target, 1, 0), 0xFFFFFFu);
}

TEST(Picture, TransparentOneMakesWhiteClear) {
    auto p = NewPicture(2, 1);
    ASSERT_TRUE(p);
    p->Graphics()->ForeColor = 0x00FF00;
    p->Graphics()->FillRect(0, 0, 1, 1);
    p->Transparent = 1;
    QImage target = whiteImage(2, 1);
    target.fill(Qt::black);
    ImageGraphics g(target);
    g.DrawPicture(p, 0, 0);
    EXPECT_EQ(colorAt(target, 0, 0), 0x00FF00u);
    EXPECT_EQ(colorAt(target, 1, 0), 0x000000u);
}

TEST(Picture, DrawPictureAtNaturalSizeAndScaledFromASource) {
    auto p = std::make_shared<Picture>(twoColourImage());
    QImage target = whiteImage(60, 40);
    ImageGraphics g(target);
    g.DrawPicture(p, 5, 5);
    EXPECT_EQ(colorAt(target, 5, 5), 0xFF0000u);
    EXPECT_EQ(colorAt(target, 44, 34), 0x0000FFu);
    EXPECT_EQ(colorAt(target, 45, 35), 0xFFFFFFu);

    // Only the blue half, squeezed into 10 x 10 at the origin.
    QImage scaled = whiteImage(20, 20);
    ImageGraphics s(scaled);
    s.DrawPicture(p, 0, 0, 10, 10, 20, 0, 20, 30);
    EXPECT_EQ(inkCount(scaled, 0x0000FF), 100);
    EXPECT_EQ(inkCount(scaled, 0xFF0000), 0);
}

TEST(Picture, DrawPictureWithNothingToDrawDrawsNothing) {
    auto p = std::make_shared<Picture>(twoColourImage());
    QImage target = whiteImage(50, 40);
    ImageGraphics g(target);
    g.DrawPicture(p, 0, 0, 118, 0, 0, 0, 40, 30);  // destination height 0
    g.DrawPicture(p, 0, 0, 0, 10);
    g.DrawPicture(p, 0, 0, 10, 10, 0, 0, 0, 30);
    g.DrawPicture(p, 0, 0, 10, 10, 100, 100, 20, 20);  // source outside the picture
    g.DrawPicture(std::shared_ptr<Picture>(), 0, 0);   // no picture at all
    EXPECT_EQ(inkCount(target, 0xFFFFFF), 50 * 40);
}

TEST(Picture, JPEGRoundTrip) {
    auto original = std::make_shared<Picture>(twoColourImage());
    const std::string jpeg = original->toJPEG(90);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg.substr(0, 2), std::string("\xFF\xD8", 2));
    auto back = Picture::fromData(jpeg);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Width(), 40);
    EXPECT_EQ(back->Height(), 30);
    EXPECT_TRUE(near(colorAt(back->image(), 5, 15), 0xFF0000));
    EXPECT_TRUE(near(colorAt(back->image(), 35, 15), 0x0000FF));
}

TEST(Picture, JPEGQualityChangesTheSize) {
    Picture p(noisyImage());
    EXPECT_LT(p.toJPEG(10).size(), p.toJPEG(95).size());
}

TEST(Picture, JPEGOfAClearPictureIsWhite) {
    auto p = NewPicture(8, 8);
    ASSERT_TRUE(p);
    p->Graphics()->ClearRect(0, 0, 8, 8);
    auto back = Picture::fromData(p->toJPEG());
    ASSERT_TRUE(back);
    EXPECT_TRUE(near(colorAt(back->image(), 4, 4), 0xFFFFFF, 4));
}

TEST(Picture, ReadsPNGGIFTIFFAndBMPByContent) {
    const QImage image = twoColourImage();
    for (const char* format : {"png", "tiff", "bmp"}) {
        auto p = Picture::fromData(encoded(image, format));
        ASSERT_TRUE(p) << format;
        EXPECT_EQ(p->Width(), 40) << format;
        EXPECT_TRUE(near(colorAt(p->image(), 35, 5), 0x0000FF)) << format;
    }
    // Qt writes no GIF: a one-pixel GIF by hand, its one colour red.
    const std::string gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\xFF"
                          "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3B",
                          35);
    auto fromGif = Picture::fromData(gif);
    ASSERT_TRUE(fromGif);
    EXPECT_EQ(fromGif->Width(), 1);
    EXPECT_EQ(colorAt(fromGif->image(), 0, 0), 0xFF0000u);

    // A file's name does not decide its format: PNG bytes in a ".jpg".
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(encoded(image, "png")));
    file.close();
    auto fromFile = Picture::fromFile(path.toStdString());
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->Height(), 30);
    EXPECT_FALSE(Picture::fromFile(dir.filePath("missing.png").toStdString()));
}

TEST(Picture, MalformedBytesAreRefused) {
    EXPECT_FALSE(Picture::fromData(""));
    EXPECT_FALSE(Picture::fromData("not a picture at all"));
    EXPECT_FALSE(Picture::fromData(std::string("\xFF\xD8\xFF\xE0garbage", 12)));
    // A JPEG cut off inside its image data, which the decoder alone would
    // accept and fill with grey.
    const std::string jpeg = encoded(noisyImage(), "jpeg");
    EXPECT_FALSE(Picture::fromData(jpeg.substr(0, jpeg.size() * 3 / 4)));
    EXPECT_TRUE(Picture::fromData(jpeg + "trailing bytes"));
    const std::string png = encoded(twoColourImage(), "png");
    EXPECT_FALSE(Picture::fromData(png.substr(0, png.size() / 2)));
    EXPECT_FALSE(Picture::fromData(png.substr(0, 20)));
    // A header that claims an enormous picture is refused before any memory
    // is asked for it.
    EXPECT_FALSE(Picture::fromData(pngHeaderClaiming(100000, 100000)));
    // Formats outside the photo's set are refused even when well formed.
    EXPECT_FALSE(Picture::fromData(encoded(twoColourImage(), "xpm")));
}

// A 48-megapixel photo passes the toolkit's allocation limit at full size;
// it is decoded scaled down, aspect kept, and shows.
TEST(Picture, AFortyEightMegapixelPhotoIsDecodedScaledDown) {
    QImage photo(8000, 6000, QImage::Format_RGB32);
    ASSERT_FALSE(photo.isNull());
    photo.fill(QColor(255, 0, 0));
    for (int y = 0; y < 6000; ++y) {
        auto* row = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 4000; x < 8000; ++x) row[x] = qRgb(0, 0, 255);
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(photo));
    photo = QImage();

    auto picture = Picture::fromData(std::string_view(jpeg.constData(), size_t(jpeg.size())));
    ASSERT_TRUE(picture) << "the photo is shown";
    int32_t width = 0, height = 0;
    ASSERT_TRUE(Picture::dataSize(std::string_view(jpeg.constData(), size_t(jpeg.size())), width, height));
    EXPECT_EQ(width, picture->Width()) << "the size the picture is decoded at";
    EXPECT_EQ(height, picture->Height());
    EXPECT_LE(int64_t(picture->Width()) * picture->Height(), int64_t(4096) * 4096);
    EXPECT_GE(picture->Width(), 4000);
    EXPECT_NEAR(double(picture->Width()) / picture->Height(), 8000.0 / 6000.0, 0.01);
    EXPECT_TRUE(near(colorAt(picture->image(), picture->Width() / 4, 100), 0xFF0000));
    EXPECT_TRUE(near(colorAt(picture->image(), picture->Width() * 3 / 4, 100), 0x0000FF));
}

// Only JPEG decodes scaled down; a picture of another format that claims
// more than the cap in its header is refused before it is decoded at that
// size: a 35-byte GIF or a 70-byte BMP of 29 megapixels.
TEST(Picture, APictureOfAnotherFormatAboveTheCapIsRefusedOnItsHeader) {
    for (const char* name : {"claims_huge_screen.gif", "no_screen_huge_frame.gif", "claims_huge.bmp"}) {
        const std::string bytes = readBytes(fuzzCorpusFolder("picture") / name);
        int32_t width = 0, height = 0;
        EXPECT_FALSE(Picture::dataSize(bytes, width, height)) << name;
        EXPECT_FALSE(Picture::fromData(bytes)) << name;
    }
    QImage large(4096, 4097, QImage::Format_RGB32);
    large.fill(QColor(0, 128, 0));
    EXPECT_FALSE(Picture::fromData(encoded(large, "png"))) << "one row past the cap";
    EXPECT_TRUE(Picture::fromData(encoded(large.copy(0, 0, 4096, 4096), "png"))) << "at the cap";
}

// A photo drawn small is decoded at the size asked and no larger; its size
// is known from the header without decoding it.
TEST(Picture, DecodingAtASizeShrinksButNeverEnlarges) {
    const std::string jpeg = encoded(twoColourImage(), "jpeg");
    int32_t width = 0, height = 0;
    ASSERT_TRUE(Picture::dataSize(jpeg, width, height));
    EXPECT_EQ(width, 40);
    EXPECT_EQ(height, 30);

    auto small = Picture::fromData(jpeg, 20, 15);
    ASSERT_TRUE(small);
    EXPECT_EQ(small->Width(), 20);
    EXPECT_EQ(small->Height(), 15);
    EXPECT_TRUE(near(colorAt(small->image(), 4, 7), 0xFF0000));
    EXPECT_TRUE(near(colorAt(small->image(), 15, 7), 0x0000FF));

    auto whole = Picture::fromData(jpeg, 400, 300);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->Width(), 40);
    EXPECT_EQ(whole->Height(), 30);

    // What fromData refuses, these refuse too.
    EXPECT_FALSE(Picture::dataSize("", width, height));
    EXPECT_FALSE(Picture::dataSize("not a picture at all", width, height));
    EXPECT_FALSE(Picture::dataSize(jpeg.substr(0, jpeg.size() * 3 / 4), width, height));
    EXPECT_FALSE(Picture::dataSize(pngHeaderClaiming(100000, 100000), width, height));
    EXPECT_FALSE(Picture::fromData(jpeg.substr(0, jpeg.size() * 3 / 4), 20, 15));
    EXPECT_FALSE(Picture::fromData(jpeg, 0, 15));
}
