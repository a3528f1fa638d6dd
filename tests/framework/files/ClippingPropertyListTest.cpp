#include "FileTestSupport.h"

#include "framework/files/ClippingPropertyList.h"
#include "framework/files/FolderItem.h"
#include "framework/files/ResourceFork.h"

#include <gtest/gtest.h>

TEST(ClippingPropertyList, NewerClippingsReadAsTheirTextResource) {
    TempFolder folder;
    writeBytes(folder / "Note.textClipping", buildClippingPlist("public.utf8-plain-text", plistAscii("Boil the pasta")));
    const auto fork = FolderItem(folder / "Note.textClipping").OpenResourceFork();
    ASSERT_NE(fork, nullptr);
    EXPECT_EQ(fork->GetResource("TEXT", 256), "Boil the pasta");
    EXPECT_EQ(fork->GetResource("TEXT", 257), "");

    writeBytes(folder / "plain.txt", "bplist00 is how this text starts");
    EXPECT_EQ(FolderItem(folder / "plain.txt").OpenResourceFork(), nullptr);
}

TEST(ClippingPropertyList, ReadsEachTextFlavourInItsEncoding) {
    // "Crème" as a UTF-16 string object, as UTF-8 data, and as Mac Roman data.
    EXPECT_EQ(clippingTextFromPropertyList(buildClippingPlist(
                  "public.utf8-plain-text", plistUtf16(std::string("\0C\0r\0\xE8\0m\0e", 10)))),
              "Cr\xC3\xA8me");
    EXPECT_EQ(clippingTextFromPropertyList(buildClippingPlist("public.utf8-plain-text", plistData("Cr\xC3\xA8me"))),
              "Cr\xC3\xA8me");
    EXPECT_EQ(clippingTextFromPropertyList(
                  buildClippingPlist("com.apple.traditional-mac-plain-text", plistData("Cr\x8Fme"))),
              "Cr\xC3\xA8me");
    EXPECT_EQ(clippingTextFromPropertyList(buildClippingPlist("public.jpeg", plistData("xx"))), std::nullopt);

    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
        "<key>UTI-Data</key><dict><key>public.utf16-plain-text</key><data>AAA=</data>"
        "<key>public.utf8-plain-text</key><string>Soup &amp; bread</string></dict>"
        "<key>UTI-Types</key><array><string>public.utf8-plain-text</string></array></dict></plist>";
    EXPECT_EQ(clippingTextFromPropertyList(xml), "Soup & bread");
    EXPECT_EQ(clippingTextFromPropertyList(xml.substr(0, xml.size() / 2)), std::nullopt);
}

TEST(ClippingPropertyList, RefusesDamagedBinaryLists) {
    const std::string good = buildClippingPlist("public.utf8-plain-text", plistAscii("text"));
    ASSERT_TRUE(clippingTextFromPropertyList(good).has_value());
    for (size_t length = 0; length < good.size(); ++length)
        EXPECT_EQ(clippingTextFromPropertyList(good.substr(0, length)), std::nullopt) << "cut at " << length;

    const size_t trailer = good.size() - 32;
    std::string topOutOfRange = good;
    topOutOfRange.replace(trailer + 16, 8, bigEndian(5, 8));
    EXPECT_EQ(clippingTextFromPropertyList(topOutOfRange), std::nullopt);

    std::string offsetIntoTable = good;  // object 0 said to start inside the offset table
    const size_t table = good.size() - 32 - 5 * 2;
    offsetIntoTable.replace(table, 2, bigEndian(table + 1, 2));
    EXPECT_EQ(clippingTextFromPropertyList(offsetIntoTable), std::nullopt);

    // The top dictionary claims 2^64-1 entries.
    const auto hostile = buildBinaryPlist({"\xDF\x13" + std::string(8, '\xFF'), plistAscii("UTI-Data")});
    EXPECT_EQ(clippingTextFromPropertyList(hostile), std::nullopt);

    std::string badReferenceSize = good;
    badReferenceSize[trailer + 7] = 9;
    EXPECT_EQ(clippingTextFromPropertyList(badReferenceSize), std::nullopt);
}
