// The arithmetic of moving through the Reading view: page steps, hit tests
// of the box, click paging and scrolling by rows. The platform layer reads
// the settings and paints; these functions decide.
#pragma once

#include <cstdint>
#include <functional>

#include "view/view_state.h"

// Rows per page step: half a page in modes 2 and 4, else one row less than a
// page, and at least one row. The page is the last paint's rowsOnPage, plus
// the rows below the article's end that the box holds (RowsBelowArticleEnd).
int PageAmount(int mode, const ViewState& view);

// Whether (x, y) lies in the box or in the gutter of g pixels around it
// (edges included).
bool PointInView(const ViewState& view, int x, int y, int gutter);

// What a left click does: page by delta rows (negative: back towards the
// start) or nothing.
struct ClickPageDecision {
    bool page = false;
    int delta = 0;
};

// Click paging: only inside the box or its gutter, only when Flags has the
// click paging bit. The box is halved left and right, or top and bottom when
// Flags has the vertical bit; the first half pages back, the other forward, by
// the page amount of the click paging mode.
ClickPageDecision DecideClickPage(const ViewState& view, uint32_t flags, int gutter, int x, int y);

// Results of ScrollView besides the paint's own.
constexpr int kScrollNoView = -1;
constexpr int kScrollUnchanged = 1;
constexpr int kScrollMovedNoPaint = 3;

// Moves topRow by delta rows: not above row 0; with clamp (or past the total)
// a downward step from maxRow or below does nothing, and a step past the total
// lands on maxRow. Redraw mode 1: returns kScrollUnchanged when topRow stays,
// else paint(view)'s result; mode 0: kScrollMovedNoPaint when topRow moved,
// else kScrollUnchanged, and never paints; any other mode: paints always.
// paint draws the whole view with erasing.
int ScrollView(ViewState* view, int delta, int mode, bool clamp, const std::function<int(ViewState&)>& paint);
