// The one line breaker: how many bytes of a text in reading order go on one
// line of a given width, and where a word that does not fit is broken. The
// Reading view and the Choose Article list both break their lines with it and
// only place the lines; the row arithmetic they share is here too.
#pragma once

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "view/layout_measurer.h"

// How a line's bytes are measured: with a width table (right-to-left article
// text), or through the measurer's own fit when there is none.
struct LineMeasure {
    LayoutMeasurer& measurer;
    const WidthTable* widths = nullptr;
    // FitByWidthTable's contract: width in is the limit, count in the most bytes.
    void Fit(const uint8_t* text, int& width, int& count) const;
};

// Where a line may break: at a space; at a space or after a hyphen; or, in a
// reference such as a heading's "book 44:18 - 47:27", after its dash or its
// first word, so that no chapter is parted from its verse.
enum class BreakAt { kSpaces, kSpacesAndHyphens, kReference };

struct LineFit {
    int count = 0;  // bytes on the line from its start
    int width = 0;  // their width
};

// Fits the line that starts at start (not a space) of a text ending at end.
// A word the width cuts moves whole to the next line when a space inside the
// fitted bytes allows (or a hyphen, which then stays on this line); otherwise
// it is cut where the width ran out. A reference that does not fit breaks
// after its last dash that fits, else after its first word, else as words do. A line that would take nothing takes one
// code with its points when mustTake is set, so that any width makes progress.
LineFit FitLine(const LineMeasure& measure, const uint8_t* start, const uint8_t* end, int available, BreakAt breakAt,
                bool mustTake);

// The row capacities are 16-bit: an array never holds more rows than they count.
constexpr int kMaxRowCapacity = 0xFFFF;
constexpr int kRowGrowth = 128;

// Makes room in rows (capacity rows plus the terminator) for the row at
// index, growing by kRowGrowth. False, with nothing changed, when the
// 16-bit capacity is used up or memory runs out.
template <class Row>
bool EnsureRowRoom(std::vector<Row>& rows, uint16_t& capacity, int index) {
    if (index < capacity && rows.size() > static_cast<size_t>(index) + 1) return true;
    const int grown = std::min(capacity + kRowGrowth, kMaxRowCapacity);
    if (grown <= index) return false;
    try {
        rows.resize(static_cast<size_t>(grown) + 1);
    } catch (const std::bad_alloc&) {
        return false;
    }
    capacity = static_cast<uint16_t>(grown);
    return true;
}

// How many rows fit at the bottom of a box boxHeight high (taken as 16-bit),
// counting from the last row up: a row taller than the height left ends the
// count; each row takes times(row) rows of its height (a gap row repeats it,
// a hidden row takes none); a last repetition that does not fit is not counted.
template <class Row, class Times>
int RowsFittingAtBottom(const std::vector<Row>& rows, int rowCount, int boxHeight, Times times) {
    int free = static_cast<int16_t>(boxHeight);
    int fit = 0;
    for (int index = rowCount - 1; index >= 0; --index) {
        const Row& row = rows[index];
        if (free < row.height) break;
        const int n = times(row);
        free -= n * row.height;
        fit += n;
    }
    if (free < 0) --fit;
    return fit;
}
