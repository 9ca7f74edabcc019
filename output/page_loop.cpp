// The page loop. It relies on nextPaintRow, not only on rowsOnPage, to know
// where a page ended: a paint may count rows below the article's end, and a
// page that makes no progress must end the job rather than repeat forever.
#include "output/page_loop.h"

PageRun PrintPages(ViewState& view, PageDevice& device) {
    PageRun run;
    view.firstPaintRow = -1;
    int first = 0;
    for (;;) {
        device.PaintPage(view);
        if (view.rowsOnPage <= 0 || view.nextPaintRow <= first) return run;
        if (!device.FinishPage(view, run.pages + 1)) return run;
        ++run.pages;
        if (view.nextPaintRow >= view.rowCount) break;
        first = view.nextPaintRow;
        view.firstPaintRow = first;
        if (!device.StartNextPage()) return run;
    }
    run.complete = true;
    return run;
}
