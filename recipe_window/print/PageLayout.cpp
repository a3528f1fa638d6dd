// One printed page: the header (name, rating line, rule, photo thumbnail),
// the next block of the recipe text, and the footer (where it was printed
// from, the date, the page number, a rule). The text block and the page
// number are placed from the printable area's corner; the rest from the
// paper's edge (the setup's Left).
#include <algorithm>
#include <cmath>

#include "framework/data/Date.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/print/PrinterSetup.h"
#include "framework/text/Strings.h"
#include "recipe_window/print/PrintModule.h"
#include "recipe_window/print/PrintedRecipe.h"

#ifndef LARDERWISE_WEB_SITE
#define LARDERWISE_WEB_SITE "www.quillmere.com"
#endif

namespace {

std::string ratingLine(int32_t rating) {
    return "Recipe Rating: " + (rating > 0 ? Str(rating) : std::string("Not rated"));
}

// The photo fitted to a 90 by 90 box standing on y 90 at the right end of
// the header rule; a small photo grows to the box. Sizes are rounded, so a
// photo 73 wide (90 / 73 x 73 = 89.99999 in single precision) still fills
// the box instead of falling one unit short.
void drawThumbnail(Graphics& g, const Picture& photo, int32_t boxLeft) {
    const int32_t w = photo.Width(), h = photo.Height();
    if (w <= 0 || h <= 0) return;
    const float scale = std::min(90.0f / float(w), 90.0f / float(h));
    const int32_t scaledW = static_cast<int32_t>(std::lround(float(w) * scale));
    const int32_t scaledH = static_cast<int32_t>(std::lround(float(h) * scale));
    g.DrawPicture(&photo, boxLeft, 90 - scaledH, scaledW, scaledH, 0, 0, w, h);
}

// The footer line from x: where it would come within a few points of the
// page number at pageNumberX (wide margins, a wide default font), the date
// goes on a line of its own below, so it neither runs into "Page N" nor is
// split in two.
void drawFooterLine(Graphics& g, const std::string& lead, const std::string& date, int32_t x, int32_t pageNumberX,
                    int32_t y) {
    constexpr int32_t gap = 6;
    const int32_t room = pageNumberX - gap - x;
    const std::string line = lead + " " + date;
    if (g.StringWidth(line) <= room) g.DrawString(line, x, y);
    else g.DrawString(lead + "\r" + date, x, y, std::max(room, 1));
}

void setPen(Graphics& g, int32_t size) {
    g.PenWidth = size;
    g.PenHeight = size;
}

}  // namespace

namespace PrintModule {

bool PrintSomeInformation(Graphics& g, PrinterSetup& ps) {
    const PrintedRecipe& shown = recipe();
    const int32_t left = ps.Left(), width = ps.Width(), height = ps.Height();

    if (mStp) mStp->DrawBlock(75, 110, TextBlockHeight(ps));

    g.Bold = true;
    g.TextSize = 14;
    g.DrawString(Trim(shown.Name()), left + 75, 70);
    g.TextSize = 9;
    g.DrawString(ratingLine(shown.Rating()), left + 75, 85);
    setPen(g, 4);
    g.DrawLine(left + 75, 95, left + width - 75, 95);
    if (auto photo = shown.Photo()) drawThumbnail(g, *photo, left + width - 165);

    g.Bold = false;
    g.TextSize = 8;
    drawFooterLine(g, "Recipe printed from Quillmere Larderwise, available at " LARDERWISE_WEB_SITE " -",
                   Date().AbbreviatedDate(), left + 75, width - 103, height - 20);
    g.DrawString("Page " + Str(curPageNo), width - 103, height - 20);
    setPen(g, 1);
    g.DrawLine(left + 75, height - 30, left + width - 75, height - 30);

    return mStp && !mStp->Eof();
}

bool SkipPage(PrinterSetup& ps) {
    if (mStp) mStp->SkipBlock(TextBlockHeight(ps));
    return mStp && !mStp->Eof();
}

int32_t TextBlockHeight(PrinterSetup& ps) { return ps.Height() - 150; }

}  // namespace PrintModule
