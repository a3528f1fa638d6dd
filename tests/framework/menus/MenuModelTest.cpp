#include <gtest/gtest.h>

#include "framework/menus/MenuItem.h"
#include "framework/runtime/RuntimeException.h"
#include "tests/framework/menus/FakeMenuContext.h"

namespace {

TEST(MenuModel, FindItemReachesEveryLevelAndIgnoresCase) {
    FakeMenuContext menus;
    menus.buildStandardBar();
    MenuItem* center = menus.bar->FindItem("TextCenter");
    ASSERT_NE(center, nullptr);
    EXPECT_EQ(center->Text, "Center");
    EXPECT_EQ(menus.bar->FindItem("textcenter"), center);
    EXPECT_EQ(menus.bar->FindItem("FormatText")->Count(), 3);
    EXPECT_EQ(menus.bar->FindItem("NoSuchItem"), nullptr);
}

TEST(MenuModel, ChildFindsOnlyDirectChildren) {
    FakeMenuContext menus;
    menus.buildStandardBar();
    EXPECT_NE(menus.bar->Child("FormatMenu"), nullptr);
    EXPECT_EQ(menus.bar->Child("StyleBold"), nullptr);
    EXPECT_EQ(menus.bar->Child("FormatMenu")->Child("FormatFont")->Child("StyleBold")->Text, "Bold");
}

TEST(MenuModel, IndexCountsSeparators) {
    MenuItem popup;
    for (const char* text : {"Everywhere", "-", "Name", "", "Keywords"})
        popup.Append(std::make_shared<MenuItem>(text));
    EXPECT_EQ(popup.Count(), 5);
    EXPECT_TRUE(popup.Item(1)->isSeparator());
    EXPECT_EQ(popup.Item(4)->Index(), 4);
    EXPECT_EQ(popup.Item(3)->Text, "");
    EXPECT_EQ(popup.Index(), -1);
}

TEST(MenuModel, OutOfRangeAccessThrowsInsteadOfCrashing) {
    MenuItem popup;
    popup.Append(std::make_shared<MenuItem>("one"));
    EXPECT_THROW(popup.Item(1), OutOfBoundsException);
    EXPECT_THROW(popup.Item(-1), OutOfBoundsException);
    EXPECT_THROW(popup.Remove(3), OutOfBoundsException);
    EXPECT_THROW(popup.Append(nullptr), NilObjectException);
}

TEST(MenuModel, AppendingAnItemElsewhereMovesIt) {
    MenuItem first, second;
    auto item = std::make_shared<MenuItem>("moving");
    first.Append(item);
    second.Append(item);
    EXPECT_EQ(first.Count(), 0);
    EXPECT_EQ(item->Parent(), &second);
}

TEST(MenuModel, AnItemCannotContainItself) {
    auto outer = std::make_shared<MenuItem>("outer");
    auto inner = std::make_shared<MenuItem>("inner");
    outer->Append(inner);
    EXPECT_THROW(inner->Append(outer), RuntimeException);
    EXPECT_THROW(outer->Append(outer), RuntimeException);
}

TEST(MenuModel, ChildrenForgetAParentThatIsGone) {
    auto kept = std::make_shared<MenuItem>("kept");
    {
        MenuItem parent;
        parent.Append(kept);
        EXPECT_EQ(kept->Parent(), &parent);
    }
    EXPECT_EQ(kept->Parent(), nullptr);
    EXPECT_EQ(kept->Index(), -1);
}

TEST(MenuModel, InsertAndRemoveChangeTheStructureRevisionOfTheRoot) {
    FakeMenuContext menus;
    menus.buildStandardBar();
    uint64_t before = menus.bar->structureRevision();
    MenuItem* font = menus.bar->FindItem("FormatFont");
    font->Insert(0, std::make_shared<MenuItem>("first"));
    EXPECT_EQ(font->Item(0)->Text, "first");
    EXPECT_GT(menus.bar->structureRevision(), before);
    before = menus.bar->structureRevision();
    font->Remove(0);
    EXPECT_GT(menus.bar->structureRevision(), before);
    EXPECT_EQ(font->Item(0)->Name, "StyleBold");
}

}  // namespace
