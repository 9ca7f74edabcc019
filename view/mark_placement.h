// Where marks go on a letter when the platform's shaping leaves them on top
// of one another, or does not place them at all: pure geometry over the ink
// boxes of the glyphs, in pixels from a cluster's origin on the baseline (y
// grows downwards).
#pragma once

#include <vector>

#include "store/hebrew_marks.h"

struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    InkBox Moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const InkBox&) const = default;
};

// Whether two boxes come closer than gap; an empty box meets nothing.
bool Meets(const InkBox& a, const InkBox& b, int gap);

// The smallest box that holds both (an empty one adds nothing).
InkBox Union(const InkBox& a, const InkBox& b);

// A mark to place: its ink where it was put, its side, and the move found.
struct MarkToPlace {
    InkBox ink;
    MarkSide side = MarkSide::kBelow;
    int dx = 0;
    int dy = 0;
};

// Moves each mark in turn away from the ink before it (the fixed boxes, then
// the marks placed before it) so that it keeps gap from all of it. A mark
// below goes beside what it meets, to the left, else to the right, where it
// stays within the cell [cellLeft, cellRight]; otherwise under it. A mark
// above goes over what it meets.
void SeparateMarks(const std::vector<InkBox>& fixed, std::vector<MarkToPlace>& marks, int cellLeft, int cellRight,
                   int gap);

// The move that puts a mark's ink on a letter's ink by the mark's class, for
// a font or platform that does not place it: inside marks at the letter's
// middle; marks above over the letter and those below under the baseline,
// gap away, except the qamats and sheva of a final kaf, which stand inside
// it; a prepositive accent at its right corner, a postpositive one at its
// left corner, the shin dot at the right, the sin dot and holam at the left,
// any other mark centred.
void PlaceOnLetter(char16_t letter, char16_t mark, const InkBox& letterInk, const InkBox& markInk, int gap, int& dx,
                   int& dy);
