#include "framework/graphics/MouseCursor.h"
#include "framework/ui/Window.h"
#include "tests/support/ProbeControl.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct PlainWindow : Window {
    PlainWindow() {
        Width = 300;
        Height = 200;
    }
};
}  // namespace

TEST(ControlGeometry, NegativeSizesReadBackAsWrittenAndQtSeesZero) {
    PlainWindow w;
    w.finishBuilding();
    auto* c = w.add<ProbeControl>("c");
    c->Left = 10;
    c->Top = -5;
    c->Width = -12;
    c->Height = 0;
    EXPECT_EQ(c->Left(), 10);
    EXPECT_EQ(c->Top(), -5);
    EXPECT_EQ(c->Width(), -12);
    EXPECT_EQ(c->Height(), 0);
    EXPECT_EQ(c->widget()->geometry(), QRect(10, -5, 0, 0));
}

TEST(ControlGeometry, LocksApplyByDeltaSoCodeMovesBetweenResizesSurvive) {
    PlainWindow w;
    w.finishBuilding();
    auto* stretch = w.add<ProbeControl>("stretch");
    stretch->Left = 10;
    stretch->Width = 100;
    stretch->LockRight = true;  // left and right: stretches
    auto* mover = w.add<ProbeControl>("mover");
    mover->Left = 200;
    mover->LockLeft = false;
    mover->LockRight = true;  // right only: moves
    auto* fixed = w.add<ProbeControl>("fixed");
    fixed->Left = 5;

    w.Width = 320;
    EXPECT_EQ(stretch->Width(), 120);
    EXPECT_EQ(mover->Left(), 220);
    EXPECT_EQ(fixed->Left(), 5);

    // A splitter rewrites the geometry between two resizes; the next resize
    // adds to what it wrote instead of restoring a remembered layout.
    stretch->Left = 50;
    stretch->Width = 30;
    w.Width = 200;  // shrinks by 120: the width goes negative and must survive
    EXPECT_EQ(stretch->Left(), 50);
    EXPECT_EQ(stretch->Width(), -90);
    EXPECT_EQ(stretch->widget()->width(), 0);
    w.Width = 330;
    EXPECT_EQ(stretch->Width(), 40);
    EXPECT_EQ(stretch->widget()->width(), 40);
    EXPECT_EQ(mover->Left(), 230);
}

TEST(ControlGeometry, EmbeddedControlsUseWindowCoordinatesAndFollowTheirParent) {
    PlainWindow w;
    w.finishBuilding();
    auto* box = w.add<ProbeControl>("box");
    box->Left = 20;
    box->Top = 30;
    box->Width = 100;
    box->Height = 100;
    box->LockRight = true;
    box->LockBottom = true;
    auto* inner = w.add<ProbeControl>("inner", box);
    inner->Left = 25;
    inner->Top = 40;
    inner->Width = 50;
    inner->LockLeft = false;
    inner->LockRight = true;

    EXPECT_EQ(inner->Parent(), box);
    EXPECT_EQ(inner->widget()->parentWidget(), box->widget());
    EXPECT_EQ(inner->widget()->pos(), QPoint(5, 10));

    box->Left = 60;  // the embedded control moves with its parent
    EXPECT_EQ(inner->Left(), 65);
    EXPECT_EQ(inner->widget()->pos(), QPoint(5, 10));

    w.Width = 310;  // the box stretches by 10; the inner control is locked to the box's right edge
    EXPECT_EQ(box->Width(), 110);
    EXPECT_EQ(inner->Left(), 75);
    EXPECT_EQ(inner->widget()->pos(), QPoint(15, 10));
}

TEST(WindowControls, ListedInCreationOrderAndFoundByName) {
    PlainWindow w;
    auto* a = w.add<ProbeControl>("alpha");
    auto* b = w.add<ProbeControl>("beta", a);
    ASSERT_EQ(w.ControlCount(), 2);
    EXPECT_EQ(w.Control(0), a);
    EXPECT_EQ(w.Control(1), b);
    EXPECT_THROW(w.Control(2), OutOfBoundsException);
    EXPECT_EQ(w.control<ProbeControl>("BETA"), b);
    EXPECT_THROW(w.control<ProbeControl>("gamma"), NilObjectException);
    EXPECT_EQ(b->Window(), &w);
    EXPECT_EQ(a->Parent(), nullptr);
}

TEST(WindowGeometry, DesignSizeRaisesNothingAndLaterResizesRaiseResizingThenResized) {
    struct Sized : PlainWindow {
        int resizing = 0, resized = 0;
        Sized() {
            Resizing = [this] { ++resizing; };
            Resized = [this] { ++resized; };
            Width = 400;  // still design time: nothing raised, no locks
        }
    } w;
    EXPECT_EQ(w.resizing, 0);
    w.finishBuilding();
    w.Width = 410;
    w.Height = 220;
    EXPECT_EQ(w.resizing, 2);
    EXPECT_EQ(w.resized, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.resized, 1);  // once, when the resizing settles
    EXPECT_EQ(w.contentWidget()->size(), QSize(410, 220));
}

TEST(ControlLook, CursorHelpTagVisibleAndEnabledReachTheWidget) {
    PlainWindow w;
    auto* c = w.add<ProbeControl>("c");
    c->MouseCursor = SplitterEastWest();
    EXPECT_EQ(c->widget()->cursor().shape(), Qt::SplitHCursor);
    c->MouseCursor = nullptr;
    EXPECT_FALSE(c->widget()->testAttribute(Qt::WA_SetCursor));
    c->HelpTag = std::string("first\rsecond");
    EXPECT_EQ(c->widget()->toolTip(), "first\nsecond");
    c->Visible = false;
    EXPECT_TRUE(c->widget()->isHidden());
    c->Enabled = false;
    EXPECT_FALSE(c->widget()->isEnabled());
    EXPECT_EQ(c->widget()->focusPolicy(), Qt::StrongFocus);
    c->AcceptFocus = false;
    EXPECT_EQ(c->widget()->focusPolicy(), Qt::NoFocus);
}

namespace {
// A parent with one host widget per tab, as a tab panel has.
struct TwoPageProbe : ProbeControl {
    QWidget* pages[2];
    TwoPageProbe() {
        for (QWidget*& page : pages) {
            page = new QWidget(widget());
            page->setGeometry(0, 20, 200, 100);
        }
    }
    QWidget* childHost(const RectControl& child) const override { return pages[child.TabPanelIndex.get() == 1]; }
    QPoint childOrigin(const RectControl&) const override { return QPoint(Left.get(), Top.get() + 20); }
};
}  // namespace

TEST(ControlGeometry, AControlMovesToThePageOfTheTabItIsGivenAfterPlacement) {
    PlainWindow w;
    auto* tabs = w.add<TwoPageProbe>("tabs");
    tabs->Left = 10;
    tabs->Top = 10;
    auto* field = w.add<ProbeControl>("field", tabs);
    EXPECT_EQ(field->widget()->parentWidget(), tabs->pages[0]);
    field->TabPanelIndex = 1;
    field->Left = 15;
    field->Top = 40;
    EXPECT_EQ(field->widget()->parentWidget(), tabs->pages[1]);
    EXPECT_EQ(field->widget()->pos(), QPoint(5, 10));  // window coordinates minus the page's origin
}
