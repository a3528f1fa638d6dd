// How the search control draws its pill and its cancel widget.
#include "controls/search/MagnifyingGlass.h"
#include "controls/search/SearchControl.h"
#include "framework/graphics/Graphics.h"
#include "framework/graphics/Picture.h"
#include "framework/runtime/Numbers.h"
#include "framework/ui/controls/Canvas.h"

void SearchControl::BgCanvas_Paint(::Graphics& g) {
    const int32_t w = bgCanvas_->Width.get();
    g.PenWidth = 1;
    g.PenHeight = 1;
    // The pill is 22 high in a 26-high canvas: the lowest rows stay erased.
    g.ForeColor = kPill;
    g.FillRoundRect(0, 0, w, 22, 22, 22);
    g.ForeColor = kPillOutline;
    g.DrawRoundRect(0, 0, w, 22, 22, 22);
    // A second outline a pixel lower doubles the top edge.
    g.DrawRoundRect(0, 1, w, 21, 22, 22);
    if (ShowMagnifyingGlass.get()) g.DrawPicture(MagnifyingGlass(), 5, 5);
}

void SearchControl::CancelWidget_Paint(::Graphics& g) {
    const int32_t w = cancelWidget_->Width.get();
    const int32_t h = cancelWidget_->Height.get();
    g.ForeColor = kCancelDisc;
    g.FillOval(0, 0, w, h);
    g.ForeColor = kCancelCross;
    g.PenWidth = 2;
    g.PenHeight = 2;
    // A cross over the middle half of the disc: 3 to 9 for 14 pixels.
    const int32_t a = toInt32(h / 2.0 - h / 4.0);
    const int32_t b = toInt32(h / 2.0 + h / 4.0 - 1.0);
    g.DrawLine(a, a, b, b);
    g.DrawLine(b, a, a, b);
}
