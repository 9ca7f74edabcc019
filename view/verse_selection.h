// The verses that a press and drag over the Reading view selects: whole
// verses, from the one under the press to the one under the pointer.
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

// Indexes in the article's verse list, first <= last; first -1 for none.
struct VerseSelection {
    int first = -1;
    int last = -1;
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
