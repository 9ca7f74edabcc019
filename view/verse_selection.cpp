// Selecting whole verses by the rows of the Reading view. A row points at its
// stored bytes; which verse each byte belongs to is the verse map's answer.
// Points are compared and walked in reading order, which in a right-to-left
// row runs from its highest stored byte down.
#include "view/verse_selection.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <utility>

#include "view/paint_plan.h"

namespace {

bool IsRowOfView(const ViewState& view, int row) {
    return row >= 0 && row < view.rowCount && static_cast<size_t>(row) < view.rows.size();
}

bool FitsText(const ViewState& view, TextRun run) {
    return run.start >= 0 && run.count >= 0 && static_cast<size_t>(run.start) + run.count <= view.text.size();
}

// A row's stored bytes in reading order: a hanging first word before the
// rest, each run of a right-to-left row from its highest byte down.
std::vector<int> ReadingOrder(const ViewState& view, const ViewRow& row) {
    std::vector<int> order;
    if (IsRuleRecord(row.attr)) return order;
    const RowRuns runs = SplitRow(view.text, row);
    const bool rightToLeft = (row.attr & kAttrRightToLeft) != 0;
    for (const TextRun& run : {runs.word, runs.rest}) {
        if (!FitsText(view, run)) continue;
        for (int i = 0; i < run.count; ++i) {
            order.push_back(rightToLeft ? run.start + run.count - 1 - i : run.start + i);
        }
    }
    return order;
}

// Where a point's byte comes in its row's reading order; -1 without one.
int ReadingIndex(const ViewState& view, DragPoint point) {
    if (point.byte < 0) return -1;
    const std::vector<int> order = ReadingOrder(view, view.rows[point.row]);
    const auto found = std::find(order.begin(), order.end(), point.byte);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

}  // namespace

int VerseNearPoint(const ViewState& view, std::span<const VerseEntry> verses, DragPoint point, int direction) {
    if (!IsRowOfView(view, point.row)) return -1;
    const std::vector<int> order = ReadingOrder(view, view.rows[point.row]);
    const int size = static_cast<int>(order.size());
    int i = ReadingIndex(view, point);
    if (i < 0) i = direction > 0 ? 0 : size - 1;
    for (; i >= 0 && i < size; i += direction) {
        const int verse = VerseAt(view.text, verses, static_cast<size_t>(order[i]));
        if (verse >= 0) return verse;
    }
    return -1;
}

VerseSelection SelectVerses(const ViewState& view, std::span<const VerseEntry> verses, DragPoint press,
                            DragPoint pointer) {
    if (!IsRowOfView(view, press.row) || !IsRowOfView(view, pointer.row)) return {};
    const bool pressFirst = press.row < pointer.row ||
                            (press.row == pointer.row && ReadingIndex(view, press) <= ReadingIndex(view, pointer));
    const DragPoint upper = pressFirst ? press : pointer;
    const DragPoint lower = pressFirst ? pointer : press;
    int first = -1;
    for (int row = upper.row; row <= lower.row && first < 0; ++row)
        first = VerseNearPoint(view, verses, row == upper.row ? upper : DragPoint{row}, +1);
    int last = -1;
    for (int row = lower.row; row >= upper.row && last < 0; --row)
        last = VerseNearPoint(view, verses, row == lower.row ? lower : DragPoint{row}, -1);
    if (first < 0 || last < 0 || first > last) return {};
    return {first, last, pressFirst ? first : last};
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
    if (IsRuleRecord(row.attr)) return -1;
    const RowRuns runs = SplitRow(view.text, row);
    const TextRun run = runs.rest;
    if (run.count <= 0 || !FitsText(view, run)) return -1;
    const bool rightToLeft = (row.attr & kAttrRightToLeft) != 0;
    if (x < row.x || x >= row.x + row.width) {
        const bool whereReadingStarts = rightToLeft == (x >= row.x + row.width);
        if (!whereReadingStarts) return rightToLeft ? run.start : run.start + run.count - 1;
        const TextRun first = runs.word.count > 0 && FitsText(view, runs.word) ? runs.word : run;
        return rightToLeft ? first.start + first.count - 1 : first.start;
    }
    int width = x - row.x;
    int count = run.count;
    FitByWidthTable(widths, view.text.data() + run.start, width, count);
    return run.start + std::min(count, run.count - 1);
}

int PointPosition(const ViewState& view, DragPoint point) {
    if (!IsRowOfView(view, point.row)) return -1;
    return point.byte >= 0 ? point.byte : view.rows[point.row].offset;
}

DragPoint PointAtPosition(const ViewState& view, int position) {
    for (int index = 0; IsRowOfView(view, index); ++index) {
        const ViewRow& row = view.rows[index];
        if (IsRuleRecord(row.attr)) {
            if (row.offset == position) return {index, -1};
            continue;
        }
        const RowRuns runs = SplitRow(view.text, row);
        for (const TextRun& run : {runs.word, runs.rest}) {
            if (position >= run.start && position < run.start + run.count) return {index, position};
        }
    }
    return {-1};
}
