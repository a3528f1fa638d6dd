// The settings a bar suggests for the controls it attaches, by class.
#include <gtest/gtest.h>

#include "controls/splitter/AttachRules.h"

namespace {
ControlTraits editField(bool multiLine = false, bool scrollV = false, bool scrollH = false) {
    ControlTraits t;
    t.isEditField = true;
    t.multiLine = multiLine;
    t.scrollBarVertical = scrollV;
    t.scrollBarHorizontal = scrollH;
    return t;
}
constexpr bool kVertical = true, kHorizontal = false;
}  // namespace

TEST(SplitterAttachRules, SingleLineFieldDependsOnTheBarsOrientation) {
    const ControlTraits field = editField();
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(field, kHorizontal), 2);
    EXPECT_FALSE(suggestWhetherControlShouldResize(field, kHorizontal));
    EXPECT_EQ(suggestOffsetSizeForControl(field, kHorizontal), 30);
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(field, kVertical), 20);
    EXPECT_TRUE(suggestWhetherControlShouldResize(field, kVertical));
    EXPECT_EQ(suggestOffsetSizeForControl(field, kVertical), 60);

    ControlTraits locked = field;
    locked.lockTop = locked.lockBottom = true;
    EXPECT_TRUE(suggestWhetherControlShouldResize(locked, kHorizontal));

    EXPECT_EQ(suggestOffsetSizeForControl(editField(false, true), kVertical), 80);
    EXPECT_EQ(suggestOffsetSizeForControl(editField(true, false, true), kHorizontal), 46);
    EXPECT_EQ(suggestOffsetSizeForControl(editField(true), kHorizontal), 30);
    EXPECT_TRUE(suggestWhetherControlShouldResize(editField(true), kHorizontal));
}

TEST(SplitterAttachRules, ParallelSplittersKeepTheirThickness) {
    ControlTraits bar;
    bar.isSmartSplitter = bar.isCanvas = true;
    bar.lockLeft = bar.lockRight = true;
    bar.ownWidthBelowHeight = true;
    EXPECT_FALSE(suggestWhetherControlShouldResize(bar, kVertical)) << "same orientation, whatever its locks";
    bar.ownWidthBelowHeight = false;
    EXPECT_TRUE(suggestWhetherControlShouldResize(bar, kVertical)) << "the other orientation is a canvas";
    bar.lockLeft = bar.lockRight = false;
    EXPECT_TRUE(suggestWhetherControlShouldResize(bar, kVertical));
}

TEST(SplitterAttachRules, ContainersListsAndSmallControls) {
    ControlTraits tab;
    tab.isTabPanel = true;
    ControlTraits group;
    group.isGroupBox = true;
    ControlTraits list;
    list.isListbox = true;
    ControlTraits check;
    check.isCheckBox = true;
    ControlTraits label;
    label.isStaticText = true;
    ControlTraits popup;
    popup.isPopupMenu = true;
    ControlTraits button;

    EXPECT_EQ(suggestOffsetSizeForControl(tab, kVertical), 140);
    EXPECT_EQ(suggestOffsetSizeForControl(group, kHorizontal), 100);
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(tab, kHorizontal), 28);
    EXPECT_TRUE(suggestWhetherControlShouldResize(group, kHorizontal));

    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(list, kHorizontal), 20);
    EXPECT_EQ(suggestOffsetSizeForControl(list, kVertical), 86);
    EXPECT_EQ(suggestOffsetSizeForControl(list, kHorizontal), 30);
    list.scrollBarHorizontal = true;
    EXPECT_EQ(suggestOffsetSizeForControl(list, kHorizontal), 66);

    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(check, kVertical), 18);
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(check, kHorizontal), 2);
    EXPECT_EQ(suggestOffsetSizeForControl(check, kVertical), 60);
    EXPECT_FALSE(suggestWhetherControlShouldResize(check, kVertical));

    EXPECT_EQ(suggestOffsetSizeForControl(label, kVertical), 40);
    EXPECT_FALSE(suggestWhetherControlShouldResize(label, kHorizontal));
    label.multiLine = true;
    EXPECT_TRUE(suggestWhetherControlShouldResize(label, kHorizontal));
    EXPECT_FALSE(suggestWhetherControlShouldResize(label, kVertical));

    EXPECT_TRUE(suggestWhetherControlShouldResize(popup, kVertical));
    EXPECT_FALSE(suggestWhetherControlShouldResize(popup, kHorizontal));
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(popup, kVertical), 18);

    EXPECT_EQ(suggestOffsetSizeForControl(button, kVertical), 30);
    EXPECT_EQ(suggestMinSizeControlShouldBeVisible(button, kVertical), 2);
    EXPECT_FALSE(suggestWhetherControlShouldResize(button, kVertical));

    EXPECT_TRUE(controlCommonlyHasEmbeddedControls(list));
    EXPECT_TRUE(controlCommonlyHasEmbeddedControls(editField()));
    EXPECT_FALSE(controlCommonlyHasEmbeddedControls(check));
}
