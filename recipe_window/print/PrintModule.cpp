#include "recipe_window/print/PrintModule.h"

#include <algorithm>

#include "app/EndOfLine.h"
#include "framework/dialogs/MsgBox.h"
#include "framework/graphics/Graphics.h"
#include "framework/print/OpenPrinterDialog.h"
#include "framework/print/PrinterSetup.h"
#include "framework/runtime/Services.h"
#include "recipe_window/print/PrintedRecipe.h"

namespace PrintModule {

std::unique_ptr<StyledTextPrinter> mStp;
int32_t curPageNo = 0;

namespace {

const PrintedRecipe* recipeSource = nullptr;

// The recipe's text laid out for the page's text block.
std::unique_ptr<StyledTextPrinter> textPrinter(Graphics& g, PrinterSetup& ps) {
    return std::make_unique<StyledTextPrinter>(recipe().Text(), g, ps.Width() - 150);
}

// The text printer goes with its copy, also when drawing fails half-way.
struct CopyInProgress {
    CopyInProgress(Graphics& g, PrinterSetup& ps) { BeginPrinting(g, ps); }
    ~CopyInProgress() { EndPrinting(); }
};

}  // namespace

const PrintedRecipe& recipe() { return recipeSource ? *recipeSource : mainWindowRecipe(); }

void setRecipe(const PrintedRecipe* source) { recipeSource = source; }

void doPrint(PrinterSetup& setup) {
    std::unique_ptr<PrinterGraphics> g = OpenPrinterDialog(setup);
    if (!g) return;
    curPageNo = 1;
    DoPrinting(g.get(), &setup);
    // A job that never reached its paper or file must not pass for printed.
    if (!g->EndJob()) MsgBox(kNotPrinted + EndOfLine() + g->Failure());
}

void DoPrinting(Graphics* g, PrinterSetup* ps) {
    if (!g || !ps) return;
    // Nothing is drawn for a range past the end, so no blank sheet goes out.
    const int32_t pages = PageCount(*g, *ps);
    if (g->FirstPage > pages) {
        MsgBox(kRangePastTheEnd);
        return;
    }
    if (g->Reverse || (!g->Collate && g->Copies > 1)) {
        PrintPagesInOrder(*g, *ps, PageOrder(*g, pages));
        return;
    }
    for (int32_t copy = 1; copy <= g->Copies; ++copy) {
        // Each copy on sheets of its own, numbered from 1 like the first:
        // a copy is the same printout again.
        if (copy > 1) {
            g->NextPage();
            curPageNo = 1;
        }
        PrintOneCopy(*g, *ps);
        yieldToEventLoop();
    }
}

void PrintOneCopy(Graphics& g, PrinterSetup& ps) {
    CopyInProgress copy(g, ps);
    // The pages before the range only move the text on: drawn, even in
    // white, they would still be in the file a PDF job writes.
    for (int32_t page = 1; page < g.FirstPage; ++page) {
        if (!SkipPage(ps)) return;
        ++curPageNo;
    }
    for (int32_t page = g.FirstPage;; ++page) {
        if (!PrintSomeInformation(g, ps) || page >= g.LastPage) return;
        g.NextPage();
        ++curPageNo;
        yieldToEventLoop();
    }
}

void BeginPrinting(Graphics& g, PrinterSetup& ps) {
    mStp = textPrinter(g, ps);
}

int32_t PageCount(Graphics& g, PrinterSetup& ps) {
    return std::max(1, textPrinter(g, ps)->BlockCount(TextBlockHeight(ps)));
}

void EndPrinting() { mStp.reset(); }

}  // namespace PrintModule
