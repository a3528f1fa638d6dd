#include "FileTestSupport.h"

#include "framework/files/AppleDouble.h"
#include "framework/files/ExtendedAttributes.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string kClippingText = "Stir the r\x8Ex gently";  // 0x8E is e-acute in Mac Roman

std::string clippingFork() {
    return buildResourceFork({{"TEXT", 256, kClippingText, ""},
                              {"TEXT", 257, "second", "alt"},
                              {"styl", 256, std::string("\x00\x01", 2), ""},
                              {"utxt", 256, std::string("\x00S", 2), ""}});
}

void writeBigEndian32(std::string& bytes, size_t at, uint32_t value) { bytes.replace(at, 4, bigEndian(value, 4)); }

}  // namespace

TEST(ResourceFork, ReadsResourcesByTypeAndIdAndDecodesMacRomanText) {
    const auto fork = ResourceFork::parse(clippingFork());
    ASSERT_NE(fork, nullptr);
    EXPECT_EQ(fork->ResourceCount(), 4);
    EXPECT_EQ(fork->GetResource("TEXT", 256), "Stir the r\xC3\xA9x gently");
    EXPECT_EQ(fork->GetResourceBytes("TEXT", 256), kClippingText);
    EXPECT_EQ(fork->GetResource("TEXT", 257), "second");
    EXPECT_EQ(fork->GetResource("TEXT", 258), "");
    EXPECT_EQ(fork->GetResource("text", 256), "") << "type codes are exact";
    EXPECT_TRUE(fork->HasResource("styl", 256));
}

TEST(ResourceFork, AcceptsAnEmptyForkAndUtf8Text) {
    const auto empty = ResourceFork::parse(buildResourceFork({}));
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->ResourceCount(), 0);
    const auto utf8 = ResourceFork::parse(buildResourceFork({{"TEXT", 256, "cr\xC3\xA8me", ""}}));
    ASSERT_NE(utf8, nullptr);
    EXPECT_EQ(utf8->GetResource("TEXT", 256), "cr\xC3\xA8me");
}

TEST(ResourceFork, RefusesEveryTruncation) {
    const std::string fork = clippingFork();
    for (size_t length = 0; length < fork.size(); ++length)
        EXPECT_EQ(ResourceFork::parse(fork.substr(0, length)), nullptr) << "cut at " << length;
}

TEST(ResourceFork, RefusesOverlappingOrOutOfRangeMaps) {
    const std::string good = buildResourceFork({{"TEXT", 256, "abc", ""}, {"TEXT", 300, "def", ""}});
    ASSERT_NE(ResourceFork::parse(good), nullptr);
    struct Case {
        const char* what;
        std::function<void(std::string&)> damage;
    };
    const size_t map = 256 + 14;  // the data area holds two 4-byte lengths and 6 bytes
    const size_t typeList = map + 28;
    const size_t firstRef = typeList + 2 + 8;
    const std::vector<Case> cases = {
        {"data area overlaps the map", [&](std::string& f) { writeBigEndian32(f, 8, 18); }},
        {"map runs past the end", [&](std::string& f) { writeBigEndian32(f, 12, 0xFFFF); }},
        {"map length wraps around", [&](std::string& f) { writeBigEndian32(f, 12, 0xFFFFFFF0u); }},
        {"data offset inside the header", [&](std::string& f) { writeBigEndian32(f, 0, 4); }},
        {"type list past the map", [&](std::string& f) { f.replace(map + 24, 2, bigEndian(0x7000, 2)); }},
        {"too many types", [&](std::string& f) { f.replace(typeList, 2, bigEndian(40, 2)); }},
        {"reference count past the map", [&](std::string& f) { f.replace(typeList + 6, 2, bigEndian(900, 2)); }},
        {"reference list overlaps the type list", [&](std::string& f) { f.replace(typeList + 8, 2, bigEndian(0, 2)); }},
        {"data offset past the data area", [&](std::string& f) { f.replace(firstRef + 5, 3, bigEndian(0x400, 3)); }},
        {"length word runs past the data", [&](std::string& f) { writeBigEndian32(f, 256, 0x7FFFFFFF); }},
        {"two resources share data", [&](std::string& f) { f.replace(firstRef + 12 + 5, 3, bigEndian(0, 3)); }},
        {"duplicate resource id", [&](std::string& f) { f.replace(firstRef + 12, 2, bigEndian(256, 2)); }},
        {"name outside the map", [&](std::string& f) { f.replace(firstRef + 2, 2, bigEndian(0x2000, 2)); }},
    };
    for (const auto& c : cases) {
        std::string damaged = good;
        c.damage(damaged);
        EXPECT_EQ(ResourceFork::parse(damaged), nullptr) << c.what;
    }
}

TEST(ResourceFork, IsReadFromTheExtendedAttributeOrTheAppleDoubleSidecar) {
    TempFolder folder;
    const auto withAttribute = folder / "Note.textClipping";
    writeBytes(withAttribute, "");
    ASSERT_TRUE(writeExtendedAttribute(withAttribute, kResourceForkAttribute, clippingFork()));
    auto fork = FolderItem(withAttribute).OpenResourceFork();
    ASSERT_NE(fork, nullptr);
    EXPECT_EQ(fork->GetResource("TEXT", 257), "second");

    const auto withSidecar = folder / "Soup.textClipping";
    writeBytes(withSidecar, "");
    writeBytes(appleDoubleSidecarPath(withSidecar),
               buildAppleDouble({{9, finderInfo("clpt", "MACS")}, {2, clippingFork()}}));
    fork = FolderItem(withSidecar).OpenResourceFork();
    ASSERT_NE(fork, nullptr);
    EXPECT_EQ(fork->GetResource("TEXT", 256), "Stir the r\xC3\xA9x gently");
    EXPECT_EQ(FolderItem(withSidecar).MacType(), "clpt");

    const auto bare = folder / "plain.txt";
    writeBytes(bare, "x");
    EXPECT_EQ(FolderItem(bare).OpenResourceFork(), nullptr);
}

TEST(AppleDouble, ASidecarTruncatedAtAnyByteGivesNoResource) {
    TempFolder folder;
    const auto file = folder / "Cut.textClipping";
    writeBytes(file, "");
    const std::string sidecar = buildAppleDouble({{9, finderInfo("clpt", "MACS")}, {2, clippingFork()}});
    for (size_t length = 0; length < sidecar.size(); ++length) {
        writeBytes(appleDoubleSidecarPath(file), sidecar.substr(0, length));
        EXPECT_EQ(FolderItem(file).OpenResourceFork(), nullptr) << "cut at " << length;
    }
}

TEST(AppleDouble, RefusesDamagedEntryTables) {
    const std::string good = buildAppleDouble({{9, finderInfo("TEXT", "ttxt")}, {2, "fork"}});
    ASSERT_TRUE(appleDoubleEntry(good, 2).has_value());
    EXPECT_EQ(*appleDoubleEntry(good, 2), "fork");
    EXPECT_FALSE(appleDoubleEntry(good, 3).has_value());

    std::string badMagic = good;
    badMagic[1] = 0x01;
    EXPECT_FALSE(appleDoubleEntry(badMagic, 2).has_value());

    std::string entryPastEnd = good;  // the other entry's length grows past the end
    entryPastEnd.replace(26 + 8, 4, bigEndian(0xFFFFFFF0u, 4));
    EXPECT_FALSE(appleDoubleEntry(entryPastEnd, 2).has_value()) << "a damaged table is refused whole";

    std::string duplicateIds = good;
    duplicateIds.replace(26, 4, bigEndian(2, 4));
    EXPECT_FALSE(appleDoubleEntry(duplicateIds, 2).has_value());
}
