#include <gtest/gtest.h>

#include <QImage>

#include "framework/graphics/Picture.h"
#include "framework/graphics/RecordingGraphics.h"

TEST(RecordingGraphics, RecordsEachCallAsText) {
    RecordingGraphics g;
    g.DrawRect(0, 0, 10, 10);
    g.DrawLine(75, 95, 537, 95);
    g.DrawString("Recipe Rating: 3", 75, 85);
    g.DrawString("wrapped", 1, 2, 40);
    g.DrawPolygon({0, 18, 9, 15, 11});
    g.NextPage();
    g.drawWithPainter("text block 75,110", [](QPainter&) { FAIL() << "a recording draws nothing"; });
    EXPECT_EQ(g.log(), (std::vector<std::string>{"DrawRect 0,0,10,10", "DrawLine 75,95,537,95",
                                                 "DrawString 75,85 Recipe Rating: 3", "DrawString 1,2,40 wrapped",
                                                 "DrawPolygon 18,9,15,11", "NextPage", "Custom text block 75,110"}));
}

TEST(RecordingGraphics, KeepsTheStateEachCallWasMadeIn) {
    RecordingGraphics g;
    g.Bold = true;
    g.TextSize = 14;
    g.DrawString("Apple pie", 75, 70);
    g.Bold = false;
    g.TextSize = 8;
    g.PenWidth = 4;
    g.ForeColor = 0x009600;
    g.DrawLine(0, 0, 1, 1);
    ASSERT_EQ(g.calls().size(), 2u);
    EXPECT_TRUE(g.calls()[0].bold);
    EXPECT_EQ(g.calls()[0].textSize, 14);
    EXPECT_EQ(g.calls()[0].text, "Apple pie");
    EXPECT_FALSE(g.calls()[1].bold);
    EXPECT_EQ(g.calls()[1].penWidth, 4);
    EXPECT_EQ(g.calls()[1].foreColor, 0x009600u);
}

TEST(RecordingGraphics, PicturesAndEmptyDrawings) {
    RecordingGraphics g(500, 700);
    EXPECT_EQ(g.Width(), 500);
    EXPECT_EQ(g.Height(), 700);
    QImage image(180, 90, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto photo = std::make_shared<Picture>(image);
    g.DrawPicture(photo, 10, 20);
    g.DrawPicture(photo, 345, 45, 90, 45, 0, 0, 180, 90);
    g.DrawPicture(photo, 0, 0, 118, 0);  // height 0: nothing to draw, nothing recorded
    g.DrawPicture(nullptr, 0, 0);
    EXPECT_EQ(g.log(), (std::vector<std::string>{"DrawPicture 10,20,180,90,0,0,180,90 picture 180x90",
                                                 "DrawPicture 345,45,90,45,0,0,180,90 picture 180x90"}));
    EXPECT_GT(g.StringWidth("abc"), 0);
    g.clear();
    EXPECT_TRUE(g.calls().empty());
}
