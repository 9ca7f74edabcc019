// Plans a paint of the Reading view: which rows fit from the top row down and
// where, how a hanging row splits into its first word and the rest, and which
// bytes of a run the highlight covers. Pure arithmetic over the rows and the
// width table, so that the drawing code only draws.
#include "view/paint_plan.h"

#include <algorithm>
#include <new>

#include "store/article_records.h"

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

struct PageWalk {
    int nextRow;     // the first row that did not fit, or the row count
    int remaining;   // height left below the last row that fitted
    int rowsPassed;  // rows that fitted, gap rows included
};

// The first row to draw for a top row no further down than totalRows.
PaintStart FirstRowFor(const ViewState& view, int topRow) {
    const int rowCount = RowsInUse(view);
    PaintStart start{0, view.top + view.headHeight, view.height - view.headHeight};
    int number = 0;
    while (number < topRow && start.row < rowCount) number += RowsPassed(view.rows[start.row++]);
    if (number > topRow) {
        // topRow is the gap row after the previous row.
        const int gap = view.rows[start.row - 1].height;
        start.y += gap;
        start.remaining -= gap;
    }
    return start;
}

// Walks the rows that fit from a start, each only when the remaining height
// holds it entirely; placed (when given) receives them.
PageWalk WalkPage(const ViewState& view, PaintStart start, std::vector<PlacedRow>* placed) {
    const int rowCount = RowsInUse(view);
    PageWalk walk{start.row, start.remaining, 0};
    int y = start.y;
    for (; walk.nextRow < rowCount && walk.remaining >= view.rows[walk.nextRow].height; ++walk.nextRow) {
        const ViewRow& row = view.rows[walk.nextRow];
        if (placed != nullptr) placed->push_back(PlacedRow{walk.nextRow, y});
        const int passed = RowsPassed(row);
        y += passed * row.height;
        walk.remaining -= passed * row.height;
        walk.rowsPassed += passed;
    }
    return walk;
}

}  // namespace

PaintStart FindFirstPaintRow(ViewState& view) {
    if (view.topRow > view.totalRows) view.topRow = view.maxRow;
    return FirstRowFor(view, view.topRow);
}

PaintPlan PlanPaint(ViewState& view, bool fromFirstPaintRow) {
    PaintStart start;
    if (fromFirstPaintRow && view.firstPaintRow >= 0) {
        start = PaintStart{std::min(view.firstPaintRow, RowsInUse(view)), view.top, view.height};
    } else {
        start = FindFirstPaintRow(view);
    }
    PaintPlan plan;
    try {
        const PageWalk walk = WalkPage(view, start, &plan.rows);
        plan.rowsOnPage = walk.rowsPassed;
        plan.nextRow = walk.nextRow;
    } catch (const std::bad_alloc&) {
        // Without memory for the plan nothing is painted, and a printer's
        // page loop sees an empty page and stops.
        plan = PaintPlan{};
        plan.nextRow = start.row;
    }
    return plan;
}

int TopRowIndex(const ViewState& view) {
    const int topRow = view.topRow > view.totalRows ? view.maxRow : view.topRow;
    return FirstRowFor(view, topRow).row;
}

int TopRowShowing(const ViewState& view, int rowIndex) {
    const int rowCount = RowsInUse(view);
    const int topRow = view.topRow > view.totalRows ? view.maxRow : view.topRow;
    if (rowIndex < 0 || rowIndex >= rowCount) return topRow;
    int number = 0;
    for (int i = 0; i < rowIndex; ++i) number += RowsPassed(view.rows[i]);
    if (number <= topRow) return number;
    for (int top = topRow; top < number; ++top) {
        if (WalkPage(view, FirstRowFor(view, top), nullptr).nextRow > rowIndex) return top;
    }
    return number;
}

int RowsBelowArticleEnd(const ViewState& view) {
    const int rowCount = RowsInUse(view);
    if (rowCount == 0) return 0;
    const int topRow = view.topRow > view.totalRows ? view.maxRow : view.topRow;
    const PageWalk walk = WalkPage(view, FirstRowFor(view, topRow), nullptr);
    const int lastHeight = view.rows[rowCount - 1].height;
    if (walk.nextRow < rowCount || lastHeight <= 0 || walk.remaining <= 0) return 0;
    return walk.remaining / lastHeight;
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

int RowHoldingByte(const ViewState& view, int position) {
    const int rowCount = RowsInUse(view);
    const auto holds = [position](TextRun run) { return position >= run.start && position < run.start + run.count; };
    for (int i = 0; i < rowCount; ++i) {
        const ViewRow& row = view.rows[i];
        if (IsRuleRecord(row.attr)) continue;
        const RowRuns runs = SplitRow(view.text, row);
        if (holds(runs.rest) || holds(runs.word)) return i;
    }
    return -1;
}

int FirstByteRead(const ArticleText& text, const ViewRow& row) {
    if (!(row.attr & kAttrRightToLeft)) return row.offset;
    const RowRuns runs = SplitRow(text, row);
    return runs.word.count > 0 ? runs.word.start + runs.word.count - 1 : row.offset + row.count - 1;
}

TextRun RunningHead(const ViewState& view, const PaintPlan& plan) {
    if (plan.rows.empty()) return {};
    ArticleRecord first;
    if (!FindRecordHolding(view.text, view.rows[plan.rows.front().index].offset, first)) return {};
    const auto opensARange = [](uint8_t attr) { return attr == kAttrSectionHeading || attr == kAttrTitle; };
    if (opensARange(first.attr)) return {};
    TextRun mark;
    ArticleRecord record;
    for (size_t pos = 0; pos < first.start && ReadRecord(view.text, pos, record); pos = record.next) {
        if (record.attr == kAttrChapterMark) mark = {static_cast<int>(record.textPos), static_cast<int>(record.length)};
        if (opensARange(record.attr)) mark = {};
    }
    return mark;
}

int FirstWordX(const ViewRow& row, int wordWidth) {
    if (row.attr & kAttrRightToLeft) return row.x + row.width + row.indent - wordWidth;
    return row.x - row.indent;
}

bool RowMeetsRange(const ViewRow& row, MarkedRange range) {
    return row.offset <= range.end && row.offset + row.count >= range.start;
}

HighlightPart FindMarkedPart(const ViewState& view, const WidthTable* widths, TextRun run, int x, MarkedRange range) {
    const int textSize = static_cast<int>(view.text.size());
    if (run.start < 0 || run.start > textSize) return {};
    run.count = std::min(run.count, textSize - run.start);
    HighlightPart part{true, run.start, run.count, x, 0};
    const int skipped = range.start - run.start;
    if (skipped > run.count) return {};
    if (skipped > 0) {
        part.start = range.start;
        part.x = x + MeasureRun(widths, view.text, run.start, skipped);
        part.count -= skipped;
    }
    part.count = std::min(part.count, range.end - part.start);
    if (part.count <= 0) return {};
    part.width = MeasureRun(widths, view.text, part.start, part.count);
    return part;
}
