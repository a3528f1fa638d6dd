// The search control's children: where they are, how they follow the
// container, and how the control looks when it opens.
#include <gtest/gtest.h>

#include <QImage>

#include "framework/graphics/RecordingGraphics.h"
#include "framework/graphics/Picture.h"
#include "tests/controls/search/SearchTestWindow.h"
#include "tests/support/UiDriver.h"

namespace {
struct Box {
    int32_t left, top, width, height;
    bool operator==(const Box&) const = default;
};
Box boxOf(const RectControl& c) { return {c.Left.get(), c.Top.get(), c.Width.get(), c.Height.get()}; }
std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << b.left << "," << b.top << " " << b.width << "x" << b.height;
}
}  // namespace

TEST(SearchControlLayout, ChildrenInCreationOrderAtTheirPlacesInWindowCoordinates) {
    UiDriver ui;
    SearchWindow w;
    w.finishBuilding();
    ASSERT_EQ(w.ControlCount(), 6);
    const char* names[] = {"recipeName", "RecipeSearchCntl", "BgCanvas", "Searchfield", "CancelWidget", "Placeholder"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Control(i)->Name(), names[i]);
    EXPECT_EQ(boxOf(w.pill()), (Box{451, 19, 286, 26}));
    EXPECT_EQ(boxOf(w.field()), (Box{479, 22, 230, 18}));
    EXPECT_EQ(boxOf(w.cancel()), (Box{719, 23, 14, 14}));
    EXPECT_EQ(boxOf(w.placeholder()), (Box{479, 20, 220, 20}));
    EXPECT_EQ(w.field().Parent(), &w.pill());
    EXPECT_EQ(w.control<EditField>("Searchfield"), &w.field()) << "windows find the field by name";

    // Locked to the right: a wider window moves the control; widening the
    // control stretches the pill and field and moves the cancel widget.
    ui.resize(w, 850, 445);
    EXPECT_EQ(boxOf(*w.search), (Box{551, 13, 292, 38}));
    EXPECT_EQ(boxOf(w.field()), (Box{579, 22, 230, 18}));
    w.search->Width = 392;
    EXPECT_EQ(boxOf(w.pill()), (Box{551, 19, 386, 26}));
    EXPECT_EQ(boxOf(w.field()), (Box{579, 22, 330, 18}));
    EXPECT_EQ(boxOf(w.cancel()), (Box{919, 23, 14, 14}));
    EXPECT_EQ(boxOf(w.placeholder()), (Box{579, 20, 220, 20}));
}

TEST(SearchControlLayout, OpeningHidesTheCancelWidgetGreysThePlaceholderAndClearsTheFocus) {
    UiDriver ui;
    SearchWindow w;
    w.finishBuilding();
    ui.setFocus(*w.recipeName);
    ASSERT_EQ(w.Focus(), w.recipeName);
    w.runOpenEvents();
    EXPECT_FALSE(w.cancel().Visible.get());
    EXPECT_TRUE(w.placeholder().Visible.get());
    EXPECT_EQ(w.placeholder().Text.get(), "Placeholder");
    EXPECT_EQ(w.placeholder().TextColor.get(), DisabledTextColor());
    EXPECT_EQ(w.Focus(), nullptr);
    EXPECT_TRUE(w.searches.empty());
}

TEST(SearchControlLayout, PillAndCancelWidgetDrawing) {
    UiDriver ui;
    SearchWindow w;
    w.finishBuilding();

    RecordingGraphics cross(14, 14);
    w.search->CancelWidget_Paint(cross);
    EXPECT_EQ(cross.log(), (std::vector<std::string>{"FillOval 0,0,14,14", "DrawLine 3,3,9,9", "DrawLine 9,3,3,9"}));
    EXPECT_EQ(cross.calls()[0].foreColor, 0xBABABAu);
    EXPECT_EQ(cross.calls()[1].foreColor, 0xFFFFFFu);
    EXPECT_EQ(cross.calls()[1].penWidth, 2);
    EXPECT_EQ(cross.calls()[2].penHeight, 2);

    RecordingGraphics pill(286, 26);
    w.search->BgCanvas_Paint(pill);
    EXPECT_EQ(pill.log(), (std::vector<std::string>{"FillRoundRect 0,0,286,22,22,22", "DrawRoundRect 0,0,286,22,22,22",
                                                    "DrawRoundRect 0,1,286,21,22,22",
                                                    "DrawPicture 5,5,16,16,0,0,16,16 picture 16x16"}));
    EXPECT_EQ(pill.calls()[0].foreColor, 0xFFFFFFu);
    EXPECT_EQ(pill.calls()[2].foreColor, 0xB7B7B7u);

    w.search->ShowMagnifyingGlass = false;
    pill.clear();
    w.search->BgCanvas_Paint(pill);
    EXPECT_EQ(pill.calls().size(), 3u);
}

TEST(SearchControlLayout, PillPixels) {
    UiDriver ui;
    SearchWindow w;
    w.finishBuilding();
    w.pill().UpdateNow();
    const QImage& image = w.pill().image();
    EXPECT_EQ(image.pixel(143, 11) & 0xFFFFFF, 0xFFFFFFu) << "inside the pill";
    EXPECT_EQ(image.pixel(143, 0) & 0xFFFFFF, 0xB7B7B7u) << "top edge";
    EXPECT_EQ(image.pixel(143, 1) & 0xFFFFFF, 0xB7B7B7u) << "doubled top edge";
    EXPECT_EQ(image.pixel(143, 21) & 0xFFFFFF, 0xB7B7B7u) << "bottom edge";
    EXPECT_EQ(qAlpha(image.pixel(143, 24)), 0) << "the lowest rows stay erased";
    EXPECT_NE(image.pixel(11, 11) & 0xFFFFFF, 0xFFFFFFu) << "the magnifying glass sits at 5,5";
}
