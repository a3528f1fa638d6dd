#include "recipe_window/print/PrintModule.h"

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

// Paints the sheet white so the page drawn on it is not output; the next
// page is drawn in its place.
void eraseSheet(Graphics& g) { g.ClearRect(0, 0, g.Width(), g.Height()); }

// The text printer goes with its copy, also when drawing fails half-way.
struct CopyInProgress {
    CopyInProgress(Graphics& g, PrinterSetup& ps) { BeginPrinting(g, ps); }
    ~CopyInProgress() { EndPrinting(); }
};

}  // namespace

const PrintedRecipe& recipe() { return recipeSource ? *recipeSource : mainWindowRecipe(); }

void setRecipe(const PrintedRecipe* source) { recipeSource = source; }

void doPrint(PrinterSetup& setup) {
    std::unique_ptr<Graphics> g = OpenPrinterDialog(setup);
    if (!g) return;
    curPageNo = 1;
    DoPrinting(g.get(), &setup);
}

void DoPrinting(Graphics* g, PrinterSetup* ps) {
    if (!g || !ps) return;
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
    for (int32_t page = 1;; ++page) {
        if (!PrintSomeInformation(g, ps)) {
            // The text ended before the chosen range began: none of it was asked for.
            if (page < g.FirstPage) eraseSheet(g);
            return;
        }
        if (page < g.FirstPage) eraseSheet(g);
        else if (page >= g.LastPage) return;
        else g.NextPage();
        ++curPageNo;
        yieldToEventLoop();
    }
}

void BeginPrinting(Graphics& g, PrinterSetup& ps) {
    mStp = std::make_unique<StyledTextPrinter>(recipe().Text(), g, ps.Width() - 150);
}

void EndPrinting() { mStp.reset(); }

}  // namespace PrintModule
