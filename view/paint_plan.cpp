// Plans a paint of the Reading view: which rows fit from the top row down and
// where, how a hanging row splits into its first word and the rest, and which
// bytes of a run the highlight covers. Pure arithmetic over the rows and the
// width table, so that the drawing code only draws.
#include "view/paint_plan.h"

#include <algorithm>

namespace {

constexpr uint8_t kSpace = 0x20;
constexpr int kMeasureAll = 0x7FFF;

int RowsInUse(const ViewState& view) {
    if (view.rows.empty()) return 0;
    return std::min<int>(view.rowCount, static_cast<int>(view.rows.size()) - 1);
}

int RowsPassed(const ViewRow& row) { return (row.attr & kAttrParagraphGap) ? 2 : 1; }

int SkipSpaces(const ArticleText& text, int pos) {
    while (pos < static_cast<int>(text.size()) && text[pos] == kSpace) ++pos;
    return pos;
}

int WordEnd(const ArticleText& text, int pos) {
    while (pos < static_cast<int>(text.size()) && text[pos] != 0 && text[pos] != kSpace) ++pos;
    return pos;
}

int MeasureRun(const WidthTable* widths, const ArticleText& text, int start, int count) {
    int width = kMeasureAll;
    FitByWidthTable(widths, text.data() + start, width, count);
    return width;
}

}  // namespace

PaintStart FindFirstPaintRow(ViewState& view) {
    if (view.topRow > view.totalRows) view.topRow = view.maxRow;
    const int rowCount = RowsInUse(view);
    PaintStart start{0, view.top, view.height};
    int number = 0;
    while (number < view.topRow && start.row < rowCount) number += RowsPassed(view.rows[start.row++]);
    if (number > view.topRow) {
        // topRow is the gap row after the previous row.
        const int gap = view.rows[start.row - 1].height;
        start.y += gap;
        start.remaining -= gap;
    }
    return start;
}

PaintPlan PlanPaint(ViewState& view, bool fromFirstPaintRow) {
    const int rowCount = RowsInUse(view);
    PaintStart start;
    if (fromFirstPaintRow && view.firstPaintRow >= 0) {
        start = PaintStart{std::min(view.firstPaintRow, rowCount), view.top, view.height};
    } else {
        start = FindFirstPaintRow(view);
    }
    PaintPlan plan;
    int index = start.row;
    int y = start.y;
    int remaining = start.remaining;
    for (; index < rowCount && remaining >= view.rows[index].height; ++index) {
        const ViewRow& row = view.rows[index];
        plan.rows.push_back(PlacedRow{index, y});
        const int passed = RowsPassed(row);
        y += passed * row.height;
        remaining -= passed * row.height;
        plan.rowsOnPage += passed;
    }
    plan.nextRow = index;
    // Below the article's end the page goes on in rows of the last row's
    // height, so that a page near the end is as long as any other and paging
    // back from there moves a whole page rather than the few rows left.
    if (index == rowCount && rowCount > 0 && remaining > 0 && view.rows[rowCount - 1].height > 0) {
        plan.rowsOnPage += remaining / view.rows[rowCount - 1].height;
    }
    return plan;
}

RowRuns SplitRow(const ArticleText& text, const ViewRow& row) {
    RowRuns runs;
    runs.rest = TextRun{row.offset, row.count};
    runs.word = TextRun{row.offset + row.count, 0};
    if (row.indent == 0) return runs;
    if (row.attr & kAttrRightToLeft) {
        const int start = SkipSpaces(text, row.offset + row.count);
        int end = start;
        while (end < static_cast<int>(text.size()) && text[end] != 0) ++end;
        runs.word = TextRun{start, end - start};
    } else {
        const int end = WordEnd(text, row.offset);
        runs.word = TextRun{row.offset, end - row.offset};
        runs.rest.start = SkipSpaces(text, end);
    }
    return runs;
}

int FirstWordX(const ViewRow& row, int wordWidth) {
    if (row.attr & kAttrRightToLeft) return row.x + row.width + row.indent - wordWidth;
    return row.x - row.indent;
}

bool RowMeetsHighlight(const ViewState& view, const ViewRow& row) {
    return row.offset <= view.highlightEnd && row.offset + row.count >= view.highlightStart;
}

HighlightPart FindHighlightPart(const ViewState& view, const WidthTable* widths, TextRun run, int x) {
    const int textSize = static_cast<int>(view.text.size());
    if (run.start < 0 || run.start > textSize) return {};
    run.count = std::min(run.count, textSize - run.start);
    HighlightPart part{true, run.start, run.count, x, 0};
    const int skipped = view.highlightStart - run.start;
    if (skipped > run.count) return {};
    if (skipped > 0) {
        part.start = view.highlightStart;
        part.x = x + MeasureRun(widths, view.text, run.start, skipped);
        part.count -= skipped;
    }
    part.count = std::min(part.count, view.highlightEnd - part.start);
    if (part.count <= 0) return {};
    part.width = MeasureRun(widths, view.text, part.start, part.count);
    return part;
}
