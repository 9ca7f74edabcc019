// The page loop of a print job: pages painted one after another from the
// view's first row until every row is on paper.
#pragma once

#include "view/view_state.h"

// What the loop asks of the printer.
class PageDevice {
public:
    virtual ~PageDevice() = default;
    // Paints the rows that fit from the view's firstPaintRow (or its top row
    // while that is none) and leaves rowsOnPage and nextPaintRow, as PaintView does.
    virtual void PaintPage(ViewState& view) = 0;
    // Draws the page's frame with its number and ends the page; false on failure.
    virtual bool FinishPage(ViewState& view, int page) = 0;
    // Opens the next page; false on failure.
    virtual bool StartNextPage() = 0;
};

struct PageRun {
    int pages = 0;          // pages finished
    bool complete = false;  // every row printed, and no page opened that stays empty
};

// Prints the laid-out view. The first page is open already; another page is
// opened only while rows remain. A page that paints no row, or does not get
// past its first row, ends the run incomplete instead of looping, with that
// page still open.
PageRun PrintPages(ViewState& view, PageDevice& device);
