// The recipe window's two bars on its real layout: what each attaches, how
// a drag of each moves the editors, and what a window resize does.
#include <gtest/gtest.h>

#include <QWidget>

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Canvas.h"
#include "framework/ui/controls/ContainerControl.h"
#include "framework/ui/controls/EditField.h"
#include "framework/ui/controls/Listbox.h"
#include "framework/ui/controls/StaticText.h"
#include "tests/controls/splitter/SplitterTestSupport.h"

namespace {
// The main window's controls in creation order, with their design places.
struct RecipeLayoutWindow : SplitterTestWindow {
    SmartSplitter* bar1;
    SmartSplitter* bar2;
    EditField *recipeName, *recipeKeywords, *RecipeText;
    StaticText *StaticText3, *StaticText4, *recipeCount;
    Listbox* recipeList;
    Canvas *recipePhoto, *recipeRating;
    BevelButton *AddRecipe, *deleteSelectedRecipe;
    ContainerControl* search;

    RecipeLayoutWindow() : SplitterTestWindow(750, 445) {
        MinWidth = 640;
        MinHeight = 200;
        bar1 = place<SmartSplitter>(*this, "SmartSplitter1", {159, 59, 12, 360}, "tb");
        AddRecipe = place<BevelButton>(*this, "AddRecipe", {10, 422, 18, 18}, "b");
        recipeName = place<EditField>(*this, "recipeName", {171, 59, 433, 48}, "ltr");
        recipeKeywords = place<EditField>(*this, "recipeKeywords", {236, 115, 368, 36}, "ltr");
        RecipeText = place<EditField>(*this, "RecipeText", {171, 189, 565, 230}, "ltrb");
        StaticText3 = place<StaticText>(*this, "StaticText3", {170, 115, 61, 18});
        bar2 = place<SmartSplitter>(*this, "SmartSplitter2", {605, 59, 12, 118}, "tr");
        recipeList = place<Listbox>(*this, "recipeList", {9, 59, 150, 360}, "tb");
        deleteSelectedRecipe = place<BevelButton>(*this, "deleteSelectedRecipe", {36, 422, 18, 18}, "b");
        recipeCount = place<StaticText>(*this, "recipeCount", {403, 422, 100, 18}, "rb");
        recipePhoto = place<Canvas>(*this, "recipePhoto", {618, 59, 118, 118}, "tr");
        StaticText4 = place<StaticText>(*this, "StaticText4", {171, 157, 61, 18});
        recipeRating = place<Canvas>(*this, "recipeRating", {236, 157, 93, 22});
        search = place<ContainerControl>(*this, "RecipeSearchCntl", {451, 13, 292, 38}, "r");
        place<EditField>(*this, "Searchfield", {471, 18, 250, 22}, "lr", search);

        for (EditField* f : {recipeName, recipeKeywords, RecipeText}) f->MultiLine = true;
        RecipeText->ScrollbarVertical = true;
        recipeList->ScrollBarVertical = true;

        bar1->MaxLimit = 290;
        bar1->MinLimit = 10;
        bar2->MinLimit = 250;
        for (SmartSplitter* b : {bar1, bar2}) b->StopAtMinOffset = b->StopAtMaxOffset = true;

        bar1->Open = [this] {
            bar1->attachNearbyControls();
            bar1->attach(recipeKeywords);
            bar1->attach(recipePhoto);
            bar1->attach(recipeCount);
        };
        bar2->Open = [this] {
            bar2->attachNearbyControls();
            bar2->setAttachedControlShouldResize(recipePhoto, true);
        };
        Open = [this] {
            for (SmartSplitter* b : {bar1, bar2}) {
                b->handleCount = 1;
                b->handleDimple = true;
                b->handleLarge = true;
            }
        };
        Resizing = [this] {
            bar1->behave();
            bar2->behave();
        };
        finishBuilding();
    }
};

// name -> "side move resize" for every attached control, in attach order.
std::vector<std::string> attachments(const SmartSplitter& bar) {
    std::vector<std::string> out;
    for (const AttachedControl& e : bar.attachedControls)
        out.push_back(e.control.get()->Name() + (e.behind ? " near" : " far") + (e.shouldMove ? " move" : "") +
                      (e.shouldResize ? " resize" : ""));
    return out;
}
}  // namespace

TEST(MainWindowSplitters, EachBarAttachesTheEditorsBesideIt) {
    RecipeLayoutWindow w;
    w.runOpenEvents();
    using V = std::vector<std::string>;
    EXPECT_EQ(attachments(*w.bar1),
              (V{"recipeName far move resize", "RecipeText far move resize", "StaticText3 far move",
                 "recipeList near resize", "StaticText4 far move", "recipeKeywords far move resize",
                 "recipePhoto far move resize", "recipeCount far move"}));
    EXPECT_EQ(attachments(*w.bar2),
              (V{"recipeName near resize", "recipeKeywords near resize", "recipePhoto far move resize"}));

    EXPECT_EQ(w.bar1->minAttachedControl.get(), w.recipeList);
    EXPECT_EQ(w.bar1->maxAttachedControl.get(), w.RecipeText) << "the photo's equal far edge keeps the first";
    EXPECT_EQ(w.bar1->MinLimitOffset, 86);
    EXPECT_EQ(w.bar1->MaxLimitOffset, 80);
    EXPECT_EQ(w.bar1->MinLimit, 10);
    EXPECT_EQ(w.bar1->MaxLimit, 290);
    EXPECT_DOUBLE_EQ(w.bar1->proportionAtOpen, 162.0 / 739.0);

    EXPECT_EQ(w.bar2->minAttachedControl.get(), w.recipeName);
    EXPECT_EQ(w.bar2->MinLimit, 250);
    EXPECT_EQ(w.bar2->MaxLimit, 736) << "not given: derived from the photo";
    EXPECT_EQ(w.bar2->MinLimitOffset, 60);
    EXPECT_EQ(w.bar2->MaxLimitOffset, 30);

    // The window's Open restyles both handles after the bars started.
    EXPECT_TRUE(w.bar1->handleLarge && w.bar1->handleDimple);
    EXPECT_EQ(w.bar1->handleCount, 1);
    EXPECT_EQ(w.bar2->MouseCursor.get(), SplitterEastWest());
}

TEST(MainWindowSplitters, DraggingEachBarMovesItsEditors) {
    RecipeLayoutWindow w;
    w.runOpenEvents();
    int moved1 = 0;
    w.bar1->Moved = [&](int32_t) { ++moved1; };

    dragBar(*w.bar1, {180, 209});
    EXPECT_EQ(w.bar1->Left.get(), 209);
    EXPECT_EQ(moved1, 2) << "live drag: one Moved per step";
    EXPECT_EQ(rectOf(*w.recipeList), (Rect{9, 59, 200, 360}));
    EXPECT_EQ(rectOf(*w.recipeName), (Rect{221, 59, 383, 48}));
    EXPECT_EQ(rectOf(*w.RecipeText), (Rect{221, 189, 515, 230}));
    EXPECT_EQ(rectOf(*w.recipeKeywords), (Rect{286, 115, 318, 36}));
    EXPECT_EQ(rectOf(*w.StaticText3), (Rect{220, 115, 61, 18}));
    EXPECT_EQ(rectOf(*w.StaticText4), (Rect{221, 157, 61, 18}));
    EXPECT_EQ(rectOf(*w.recipePhoto), (Rect{668, 59, 68, 118}));
    EXPECT_EQ(rectOf(*w.recipeCount), (Rect{453, 422, 100, 18}));
    EXPECT_EQ(rectOf(*w.recipeRating), (Rect{236, 157, 93, 22})) << "not attached";

    dragBar(*w.bar2, {542});
    EXPECT_EQ(w.bar2->Left.get(), 542);
    EXPECT_EQ(rectOf(*w.recipeName), (Rect{221, 59, 320, 48}));
    EXPECT_EQ(rectOf(*w.recipeKeywords), (Rect{286, 115, 255, 36}));
    EXPECT_EQ(rectOf(*w.recipePhoto), (Rect{605, 59, 131, 118}));

    // Back past the reserve zone: the first bar stops at 10 + 86.
    dragBar(*w.bar1, {150, 20});
    EXPECT_EQ(w.bar1->Left.get(), 96);
    EXPECT_EQ(rectOf(*w.recipeList), (Rect{9, 59, 87, 360}));
    EXPECT_EQ(rectOf(*w.recipePhoto), (Rect{492, 59, 244, 118}));
    EXPECT_TRUE(w.recipeList->Visible.get());
}

TEST(MainWindowSplitters, ResizingTheWindowKeepsNegativeHeightsAndTheBarsInTheirLimits) {
    RecipeLayoutWindow w;
    w.Show();
    w.Width = 850;
    EXPECT_EQ(w.bar2->Left.get(), 705);
    EXPECT_EQ(w.bar2->MaxLimit, 836);
    EXPECT_EQ(rectOf(*w.recipePhoto), (Rect{718, 59, 118, 118}));
    EXPECT_EQ(rectOf(*w.recipeName), (Rect{171, 59, 533, 48}));
    EXPECT_EQ(w.bar1->Left.get(), 159);

    w.Width = 640;
    w.Height = 200;
    EXPECT_EQ(w.RecipeText->Height.get(), -15) << "kept, not clamped";
    EXPECT_EQ(w.RecipeText->widget()->height(), 0);
    EXPECT_EQ(w.bar1->Height.get(), 115);
    EXPECT_EQ(w.bar2->Left.get(), 495);
    EXPECT_EQ(rectOf(*w.recipeName), (Rect{171, 59, 323, 48}));
    EXPECT_EQ(rectOf(*w.recipePhoto), (Rect{508, 59, 118, 118}));

    w.Height = 445;
    EXPECT_EQ(w.RecipeText->Height.get(), 230) << "the stored negative height was added to";
}
