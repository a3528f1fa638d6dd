#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "framework/graphics/Picture.h"
#include "framework/graphics/PrinterGraphics.h"

namespace {

int pdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = file.readAll();
    return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

void letterNoMargins(QPdfWriter& writer, int dpi) {
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

}  // namespace

TEST(PrinterGraphics, UnitsArePointsWhateverTheResolution) {
    QTemporaryDir dir;
    for (int dpi : {72, 300, 1200}) {
        QPdfWriter writer(dir.filePath(QString("page%1.pdf").arg(dpi)));
        letterNoMargins(writer, dpi);
        PrinterGraphics g(writer);
        EXPECT_NEAR(g.Width(), 612, 1) << dpi;
        EXPECT_NEAR(g.Height(), 792, 1) << dpi;
    }
}

TEST(PrinterGraphics, OneJobWithAPageForEachNextPage) {
    QTemporaryDir dir;
    const QString path = dir.filePath("job.pdf");
    {
        QPdfWriter writer(path);
        letterNoMargins(writer, 300);
        PrinterGraphics g(writer);
        g.Bold = true;
        g.TextSize = 14;
        g.DrawString("Page one", 75, 70);
        g.PenWidth = 4;
        g.DrawLine(75, 95, 537, 95);
        g.NextPage();
        auto photo = NewPicture(30, 60);
        g.DrawPicture(photo, 447, 0, 45, 90, 0, 0, 30, 60);
        g.NextPage();
        g.DrawString("Page three", 75, 70);
    }
    EXPECT_EQ(pdfPageCount(path), 3);
}

TEST(PrinterGraphics, NothingDrawnAfterTheJobEnds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ended.pdf");
    QPdfWriter writer(path);
    letterNoMargins(writer, 72);
    PrinterGraphics g(writer);
    g.FillRect(0, 0, 10, 10);
    g.EndJob();
    g.FillRect(0, 0, 10, 10);  // ignored, not a crash or a second job
    g.NextPage();
    EXPECT_EQ(pdfPageCount(path), 1);
}
