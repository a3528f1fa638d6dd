// Pages printed in another order than the text's: the print dialog's
// "Reverse" (the last page first) and copies not collated (each page its
// copies over before the next page). The text is laid out once; each page
// starts from the text's beginning and moves past the pages before it.
#include <algorithm>

#include "framework/graphics/Graphics.h"
#include "framework/runtime/Services.h"
#include "recipe_window/print/PrintModule.h"

namespace PrintModule {

std::vector<int32_t> PageOrder(const Graphics& g, int32_t pages) {
    std::vector<int32_t> chosen;
    for (int32_t page = g.FirstPage; page <= std::min(g.LastPage, pages); ++page) chosen.push_back(page);
    if (g.Reverse) std::reverse(chosen.begin(), chosen.end());
    std::vector<int32_t> order;
    const int32_t copies = std::max(1, g.Copies);
    if (g.Collate) {
        for (int32_t copy = 0; copy < copies; ++copy) order.insert(order.end(), chosen.begin(), chosen.end());
    } else {
        for (int32_t page : chosen) order.insert(order.end(), copies, page);
    }
    return order;
}

void PrintPagesInOrder(Graphics& g, PrinterSetup& ps, const std::vector<int32_t>& pages) {
    BeginPrinting(g, ps);
    struct End {
        ~End() { EndPrinting(); }
    } end;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) g.NextPage();
        mStp->Rewind();
        for (int32_t before = 1; before < pages[i]; ++before) SkipPage(ps);
        curPageNo = pages[i];
        PrintSomeInformation(g, ps);
        yieldToEventLoop();
    }
}

}  // namespace PrintModule
