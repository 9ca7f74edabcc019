// Selecting whole verses by the rows of the Reading view. A row points at its
// stored bytes; which verse each byte belongs to is the verse map's answer.
#include "view/verse_selection.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "view/paint_plan.h"

namespace {

// The first (earliest read) or last verse among a row's bytes; -1 when none.
int VerseOfRow(const ViewState& view, std::span<const VerseEntry> verses, const ViewRow& row, bool earliest) {
    int found = -1;
    for (size_t position = row.offset; position < size_t{row.offset} + row.count; ++position) {
        const int verse = VerseAt(view.text, verses, position);
        if (verse >= 0 && (found < 0 || (earliest ? verse < found : verse > found))) found = verse;
    }
    return found;
}

int VerseUnder(const ViewState& view, std::span<const VerseEntry> verses, DragPoint point, bool earliest) {
    if (point.byte >= 0) {
        const int verse = VerseAt(view.text, verses, static_cast<size_t>(point.byte));
        if (verse >= 0) return verse;
    }
    return VerseOfRow(view, verses, view.rows[point.row], earliest);
}

bool IsRowOfView(const ViewState& view, int row) {
    return row >= 0 && row < view.rowCount && static_cast<size_t>(row) < view.rows.size();
}

}  // namespace

VerseSelection SelectVerses(const ViewState& view, std::span<const VerseEntry> verses, DragPoint press,
                            DragPoint pointer) {
    if (!IsRowOfView(view, press.row) || !IsRowOfView(view, pointer.row)) return {};
    const DragPoint upper = press.row <= pointer.row ? press : pointer;
    const DragPoint lower = press.row <= pointer.row ? pointer : press;
    int first = -1;
    for (int row = upper.row; row <= lower.row && first < 0; ++row)
        first = VerseUnder(view, verses, row == upper.row ? upper : DragPoint{row}, true);
    int last = -1;
    for (int row = lower.row; row >= upper.row && last < 0; --row)
        last = VerseUnder(view, verses, row == lower.row ? lower : DragPoint{row}, false);
    if (first < 0 || last < 0) return {};
    // Both points in one row: the drag may run either way along it.
    if (first > last) std::swap(first, last);
    return {first, last};
}

bool SetViewSelection(ViewState& view, std::span<const VerseEntry> verses, VerseSelection selection) {
    std::vector<TextSpan> spans;
    try {
        if (selection.first >= 0) spans = VerseSpans(view.text, verses, selection.first, selection.last);
    } catch (const std::bad_alloc&) {
        spans.clear();  // without memory for the spans nothing is selected
    }
    if (spans.empty()) selection = VerseSelection{};
    if (selection == view.selection) return false;
    view.selection = selection;
    view.selectedSpans = std::move(spans);
    return true;
}

bool MovedBeyondDrag(const ViewPress& press, int x, int y, int dragWidth, int dragHeight) {
    return std::abs(x - press.x) > dragWidth || std::abs(y - press.y) > dragHeight;
}

int RowAtY(ViewState& view, int y) {
    const PaintPlan plan = PlanPaint(view, false);
    if (plan.rows.empty()) return -1;
    int row = plan.rows.front().index;
    for (const PlacedRow& placed : plan.rows) {
        if (placed.y > y) break;
        row = placed.index;
    }
    return row;
}

int ByteAtX(const ViewState& view, const WidthTable* widths, const ViewRow& row, int x) {
    const TextRun run = SplitRow(view.text, row).rest;
    if (run.count <= 0 || x < row.x || x >= row.x + row.width) return -1;
    if (run.start < 0 || static_cast<size_t>(run.start) + run.count > view.text.size()) return -1;
    int width = x - row.x;
    int count = run.count;
    FitByWidthTable(widths, view.text.data() + run.start, width, count);
    return run.start + std::min(count, run.count - 1);
}
