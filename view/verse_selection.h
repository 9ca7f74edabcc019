// The verses that a press and drag over the Reading view selects: whole
// verses, from the one under the press to the one under the pointer; the
// press itself, and where the pointer is among the view's rows and bytes.
#pragma once

#include <span>

#include "store/verse_map.h"
#include "view/view_state.h"

// A point of the drag: the row under it (an index in view.rows, below
// rowCount) and, when the caller knows it, the stored byte under it.
struct DragPoint {
    int row = 0;
    int byte = -1;  // -1: the row as a whole
};

// The verse at a point, or the nearest one from it in reading order towards
// direction (+1 later, -1 earlier) within its row: a point on the space
// between two verses takes the one on that side. A point without a byte
// starts from the row's first byte read (+1) or its last (-1). -1 when none.
int VerseNearPoint(const ViewState& view, std::span<const VerseEntry> verses, DragPoint point, int direction);

// The verses from press to pointer, the drag going down, up or along a row.
// Each point takes the verse it lies in, or the nearest towards the other
// point (VerseNearPoint); a row that holds none on that side (a heading, the
// title, a chapter mark, a rule) gives way to the nearest row towards the
// other point that does. The anchor is the press's verse. None when no verse
// lies between the points (both on one space between verses) or a row is
// outside the view's rows.
VerseSelection SelectVerses(const ViewState& view, std::span<const VerseEntry> verses, DragPoint press,
                            DragPoint pointer);

// Makes the verses (none for first -1) the view's selection, with their
// stored bytes; a selection whose bytes do not fit the text, or that memory
// does not suffice for, becomes none. True when the selection changed.
bool SetViewSelection(ViewState& view, std::span<const VerseEntry> verses, VerseSelection selection);

// A press of the left button on the Reading view, until its release; and what
// the last click did, for a double click to take back.
struct ViewPress {
    bool down = false;
    bool dragging = false;  // moved beyond the drag distance (or extends with Shift): it selects, and does not page
    int x = 0, y = 0;       // where it went down, in client coordinates
    int position = -1;      // the stored byte under it (a rule's offset), which no new layout moves; -1: none
    int pointerX = 0, pointerY = 0;  // where the pointer was last, for scrolling while it stays beyond an edge
    bool scrolling = false;          // the timer that scrolls it beyond an edge runs
    int pagedFrom = -1;     // the top row before the last click paged; -1 when it did not
};

// Whether (x, y) lies more than the drag distance (dragWidth across,
// dragHeight down) from the press.
bool MovedBeyondDrag(const ViewPress& press, int x, int y, int dragWidth, int dragHeight);

// The row under y among the rows a paint from topRow places: a gap row counts
// as the row above it, a point above the first row as the first and one below
// the last as the last. -1 when no row is placed.
int RowAtY(ViewState& view, int y);

// The stored byte under x in a row's own bytes, which run left to right from
// the row's x, measured with widths (the table of the row's style). A point
// beside the text takes the byte read first on the side where reading starts
// (right of a right-to-left row, hanging word included) and the byte read
// last on the other. -1 on a rule or a row without bytes.
int ByteAtX(const ViewState& view, const WidthTable* widths, const ViewRow& row, int x);

// The stored position of a point, kept for a press: its byte, or a rule
// row's offset; -1 without a row.
int PointPosition(const ViewState& view, DragPoint point);

// The point of a stored position in the view's present rows; row -1 when no
// row holds it.
DragPoint PointAtPosition(const ViewState& view, int position);
