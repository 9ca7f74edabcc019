// Where each character of a row drawn with a Unicode font goes: the cells
// from the right edge, one per code, that keep every vowel point on its
// letter. Drawing a cell centres its character in it.
#pragma once

#include <cstdint>
#include <vector>

#include "store/article_text.h"

// One character and the left and right edges of its cell.
struct CellChar {
    char16_t c = 0;
    int left = 0;
    int right = 0;
    bool operator==(const CellChar&) const = default;
};

// The cells of count codes stored in visual order, from the right edge right
// towards the left, in the order they are drawn. A code other than a vowel
// point takes a cell as wide as its width (0 without a table, and for codes
// outside the table); holam takes a cell holamCell wide at the left edge of
// the previous cell; any other point takes the previous cell again. A two-
// character code draws both in its cell, except the lamed with holam, whose
// holam goes in a holam cell whose right edge is overlap pixels right of
// the lamed's left edge.
void PlaceCells(const WidthTable* widths, const uint8_t* bytes, int count, int right, int holamCell,
                int overlap, std::vector<CellChar>& cells);
