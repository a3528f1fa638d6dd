#pragma once
// Printing of the shown recipe: the printer dialog, then each copy page by
// page. A page has the recipe's name, rating line, a rule and a thumbnail of
// its photo at the top, the next part of its styled text in the middle, and
// a footer line with the date and the page number at the bottom
// (PageLayout.cpp). The job hands control to the event loop after every page
// and every copy.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/print/StyledTextPrinter.h"

class Graphics;
class PrinterSetup;
class PrintedRecipe;

namespace PrintModule {

// The text printer of the copy being printed; none between copies.
extern std::unique_ptr<StyledTextPrinter> mStp;
// The page number the footer shows.
extern int32_t curPageNo;

// Said instead of printing when the chosen first page comes after the last.
inline constexpr const char* kRangePastTheEnd = "The chosen pages are past the end of the recipe.";

// Said, with the reason below it, when the job did not reach its printer or file.
inline constexpr const char* kNotPrinted = "The recipe could not be printed.";

// The recipe the job prints. Unset, it is the main window's.
const PrintedRecipe& recipe();
void setRecipe(const PrintedRecipe* source);

// The job for the main window's page setup: shows the printer dialog; on
// Cancel nothing happens (curPageNo included). A job that fails to reach
// its printer or file says so.
void doPrint();
// The same for any page setup.
void doPrint(PrinterSetup& setup);
// Prints g's copies; does nothing without a graphics or a setup. A range
// that starts after the recipe's last page prints nothing and says so.
void DoPrinting(Graphics* g, PrinterSetup* ps);
// One copy: its pages from g.FirstPage to g.LastPage, or to the end of the
// text; the pages before the range are laid out but not drawn.
void PrintOneCopy(Graphics& g, PrinterSetup& ps);
// The pages a job outputs, in the order it outputs them, when the dialog
// asked for the last page first or for copies not collated: the chosen
// pages up to the recipe's `pages`, reversed, each copy whole or each page
// its copies over. (PagesOutOfOrder.cpp)
std::vector<int32_t> PageOrder(const Graphics& g, int32_t pages);
// Prints these pages in this order, each on its own sheet with its own number.
void PrintPagesInOrder(Graphics& g, PrinterSetup& ps, const std::vector<int32_t>& pages);
void BeginPrinting(Graphics& g, PrinterSetup& ps);
void EndPrinting();
// Draws one page; answers whether text is left for another.
bool PrintSomeInformation(Graphics& g, PrinterSetup& ps);
// Moves mStp past one page's text without drawing; answers whether text is left.
bool SkipPage(PrinterSetup& ps);
// The height of a page's text block.
int32_t TextBlockHeight(PrinterSetup& ps);
// How many pages the recipe takes (at least one: a recipe without text
// still prints its header).
int32_t PageCount(Graphics& g, PrinterSetup& ps);

}  // namespace PrintModule
