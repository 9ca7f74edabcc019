// Where each letter of a row drawn with a Unicode font goes, with what: the
// cells from the right edge, one per code that is not a point, each holding
// its letter and the marks the level shows of it. Shaping decides how the
// marks sit on the letter; the cell only says where the letter is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/article_text.h"
#include "store/hebrew_marks.h"
#include "view/view_state.h"

constexpr int kMaxCellMarks = kMaxExpressedMarks + 4;

enum class CellKind : uint8_t {
    kLetter,     // a letter with its marks
    kLonePoint,  // a point with no letter before it in the run, over the previous cell
    kOther,      // a space, a digit, punctuation
};

// One cell: its edges, its character (the base letter of a letter) and, for
// a letter, the marks shown: those its code and points express (vowels level
// and up), then its layer marks in the Codex's order (cantillation level).
struct ClusterCell {
    CellKind kind = CellKind::kOther;
    int left = 0;
    int right = 0;
    char16_t c = 0;
    uint8_t markCount = 0;
    uint8_t layerCount = 0;
    char16_t marks[kMaxCellMarks] = {};
    char16_t layerMarks[kMaxLayerMarks] = {};
    bool operator==(const ClusterCell&) const = default;
};

// What the cells of a run show: the level of each byte (the view's, its
// spans'), at most highest, and the marks layer (none: no layer marks).
struct CellLevels {
    const ViewState* view = nullptr;  // none: every byte at level
    TextLevel level = TextLevel::kVowels;
    TextLevel highest = TextLevel::kCantillation;
    const MarkLayer* layer = nullptr;
};

// The cells of count codes stored in visual order at text position first
// (for the level and the layer; any value when the bytes are not the view's),
// from the right edge towards the left, in the order they are drawn. A code
// other than a point takes a cell as wide as its width (0 without a table,
// and for codes outside the table); a letter's points are those stored
// before it. A point with no letter takes the previous cell again, or an
// empty one at the right edge.
void PlaceCells(const WidthTable* widths, const uint8_t* bytes, int count, size_t first, int right,
                const CellLevels& levels, std::vector<ClusterCell>& cells);
