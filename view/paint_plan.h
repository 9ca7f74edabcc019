// What a paint of the Reading view draws, worked out apart from the drawing:
// the rows that fit from the top row down, the runs of bytes of a row (with
// the first word of a hanging row set apart), and the highlighted part of a
// run. The platform's PaintView and PaintHighlight draw what these say.
#pragma once

#include <vector>

#include "view/view_state.h"

// Where painting starts: a row index, its y and the height left from there.
struct PaintStart {
    int row = 0;
    int y = 0;
    int remaining = 0;
};

// The first row to draw for topRow. A topRow past totalRows is brought back to
// maxRow first (stored in the view). A topRow on a gap row starts one row
// height lower, with that much less height remaining.
PaintStart FindFirstPaintRow(ViewState& view);

struct PlacedRow {
    int index;  // into view.rows
    int y;      // top of the row
};

struct PaintPlan {
    std::vector<PlacedRow> rows;  // the rows that fit completely, top down
    int rowsOnPage = 0;           // rows painted, gap rows included: the paint stores it in the view
    int nextRow = 0;              // the first row that did not fit, or rowCount: the paint's nextPaintRow
};

// The rows a paint draws: each only when the remaining height holds it
// entirely, its gap row (if any) passed with it. With fromFirstPaintRow and a
// firstPaintRow >= 0 the plan starts at that row at the top of the box
// (printing); otherwise at topRow. Rows are taken up to rowCount. When memory
// for the plan runs out it holds no rows.
PaintPlan PlanPaint(ViewState& view, bool fromFirstPaintRow);

// The first row drawn from topRow (a topRow past totalRows counting as
// maxRow); rowCount when there is none.
int TopRowIndex(const ViewState& view);

// The top row at which a row (an index in view.rows) lies wholly on the page,
// reached with the least scrolling: the row's own number when it lies above
// the top row, the top row when it is on the page already, else the first top
// row below it from which the page holds the row.
int TopRowShowing(const ViewState& view, int rowIndex);

// Below the article's end a page goes on in rows of the last row's height:
// the number of such rows that the box holds under the last row, when the
// page from topRow reaches the end; 0 otherwise.
int RowsBelowArticleEnd(const ViewState& view);

// A run of stored bytes of the text.
struct TextRun {
    int start = 0;
    int count = 0;
};

// The runs of a row: the first word set apart in the indent (empty unless the
// row hangs) and the row's own bytes. Right-to-left: the word is stored after
// the row's bytes and the spaces behind them, up to the record's end.
// Left-to-right: the word runs from the row's offset to the first space, and
// the row's bytes follow the spaces after it.
struct RowRuns {
    TextRun word;
    TextRun rest;
};
RowRuns SplitRow(const ArticleText& text, const ViewRow& row);

// The row whose runs (SplitRow) hold the stored byte at position; -1 when
// none does.
int RowHoldingByte(const ViewState& view, int position);

// The stored byte of a row read first: the last of a right-to-left row's
// bytes, or of its hanging first word; the first of a left-to-right row's.
int FirstByteRead(const ArticleText& text, const ViewRow& row);

// The running head over a paint (see ViewState::runningHead): the text of the
// chapter mark that the first row drawn comes after, when the mark lies above
// that row and no heading or title stands between them or is that row; empty
// otherwise.
TextRun RunningHead(const ViewState& view, const PaintPlan& plan);

// Left edge of the first word of a hanging row, wordWidth wide: inside the
// indent to the right of a right-to-left row, or left of a left-to-right one.
int FirstWordX(const ViewRow& row, int wordWidth);

// A byte range [start, end) of the text that a highlight pass paints: the
// view's highlight range, or a span of the verse selection.
struct MarkedRange {
    int start = 0;
    int end = 0;
};

inline MarkedRange HighlightRange(const ViewState& view) { return {view.highlightStart, view.highlightEnd}; }

// Whether a row is painted by a highlight pass over a range: offset <= end
// and offset + count >= start (a row touching the range counts).
bool RowMeetsRange(const ViewRow& row, MarkedRange range);
inline bool RowMeetsHighlight(const ViewState& view, const ViewRow& row) {
    return RowMeetsRange(row, HighlightRange(view));
}

// The part of a run, drawn from x, that lies in the range.
struct HighlightPart {
    bool draw = false;
    int start = 0;  // position in the text
    int count = 0;
    int x = 0;
    int width = 0;
};
HighlightPart FindMarkedPart(const ViewState& view, const WidthTable* widths, TextRun run, int x, MarkedRange range);
inline HighlightPart FindHighlightPart(const ViewState& view, const WidthTable* widths, TextRun run, int x) {
    return FindMarkedPart(view, widths, run, x, HighlightRange(view));
}
