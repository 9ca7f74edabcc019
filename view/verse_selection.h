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

// The verses from press to pointer, the drag going down or up. Of the upper
// point's row the selection takes the first verse read in it, of the lower
// point's row the last, so that every verse the drag touches is selected;
// where a point's byte lies in a verse, that verse is taken instead. A row
// that holds no verse (a heading, the title, a chapter mark, a rule) gives way
// to the nearest row towards the other point that does. None when no row
// between the points holds a verse or a row is outside the view's rows.
VerseSelection SelectVerses(const ViewState& view, std::span<const VerseEntry> verses, DragPoint press,
                            DragPoint pointer);

// Makes the verses (none for first -1) the view's selection, with their
// stored bytes; a selection whose bytes do not fit the text, or that memory
// does not suffice for, becomes none. True when the selection changed.
bool SetViewSelection(ViewState& view, std::span<const VerseEntry> verses, VerseSelection selection);

// A press of the left button on the Reading view, until its release.
struct ViewPress {
    bool down = false;
    bool dragging = false;  // moved beyond the drag distance: it selects, and does not page
    int x = 0, y = 0;       // where it went down, in client coordinates
    DragPoint point;        // the row and byte under it; row -1 when no row was there
};

// Whether (x, y) lies more than the drag distance (dragWidth across,
// dragHeight down) from the press.
bool MovedBeyondDrag(const ViewPress& press, int x, int y, int dragWidth, int dragHeight);

// The row under y among the rows a paint from topRow places: a gap row counts
// as the row above it, a point above the first row as the first and one below
// the last as the last. -1 when no row is placed.
int RowAtY(ViewState& view, int y);

// The stored byte under x in a row's own bytes, which run left to right from
// the row's x, measured with widths (the table of the row's style). -1 on a
// rule and left or right of the row's text.
int ByteAtX(const ViewState& view, const WidthTable* widths, const ViewRow& row, int x);
