// What the Reading view draws beside and under its text: the names of the
// aliyot in the margin at the right of the rows where they begin (small and
// grey, in the running head's style), a tick where one begins inside a row,
// and the underline under the word a practice round reveals next. None of it
// takes room from the text: the margin is kept by the layout, the tick stands
// in the space between two verses, the underline in the room below the marks.
#include "view/paint_margin.h"

#include <algorithm>
#include <vector>

#include "store/aliyah_table.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr uint8_t kSpaceCode = 0x20;
constexpr int kMeasureAll = 0x7FFF;

HDC ViewDc(const ViewState* view) { return static_cast<HDC>(view->dc); }

unsigned RowStyle(const ViewRow& row) { return row.attr & kStyleKeyMask; }

bool Holds(TextRun run, int position) { return position >= run.start && position < run.start + run.count; }

int RunWidth(const ViewState* view, const uint8_t* bytes, int count) {
    int width = kMeasureAll;
    FitByWidthTable(view->widths, bytes, width, count);
    return width;
}

// The names of one mark, one below the other from the row's top, right-aligned
// at the box's right edge; in stored (visual) order, as a row's bytes are.
void DrawNames(ViewState* view, int y, const AliyahMark& mark) {
    HDC dc = ViewDc(view);
    HFONT previous = SelectStyleFont(view, kRunningHeadStyle);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    for (int i = 0; i < mark.count; ++i) {
        std::vector<uint8_t> codes = PlainTextCodes(AliyahHebrewName(mark.numbers[i]));
        std::reverse(codes.begin(), codes.end());
        const int count = static_cast<int>(codes.size());
        const int width = RunWidth(view, codes.data(), count);
        DrawRun(view, codes.data(), count, view->left + view->width - width, y + i * metrics.tmHeight, width,
                metrics.tmHeight);
    }
    SelectObject(dc, previous);
}

// A short grey stroke at the top of the row, in the middle of the space
// before the verse that opens the aliyah (right of its label).
void DrawTick(ViewState* view, const ViewRow& row, int y, int position, TextRun rest) {
    HFONT previous = SelectStyleFont(view, RowStyle(row));
    const uint8_t* text = view->text.data();
    const int labelRight = row.x + RunWidth(view, text + rest.start, position - rest.start + 1);
    const int space = view->widths != nullptr ? CodeWidth(*view->widths, kSpaceCode) : 0;
    const int thickness = ScaleForDpi(1, ViewDpi(*view));
    const int x = labelRight + space / 2;
    const RECT tick{x, y, x + thickness, y + row.height / 3};
    FillRect(ViewDc(view), &tick, GetSysColorBrush(COLOR_GRAYTEXT));
    SelectObject(ViewDc(view), previous);
}

void DrawRowMarks(ViewState* view, const ViewRow& row, int y) {
    const RowRuns runs = SplitRow(view->text, row);
    const int firstRead = FirstByteRead(view->text, row);
    for (const AliyahMark& mark : view->aliyahMarks) {
        if (!Holds(runs.rest, mark.position) && !Holds(runs.word, mark.position)) continue;
        DrawNames(view, y, mark);
        if (mark.position != firstRead && Holds(runs.rest, mark.position)) DrawTick(view, row, y, mark.position, runs.rest);
    }
}

// The underline under the part of a run that holds the practice word.
void UnderlineRun(ViewState* view, TextRun run, int x, int y, const ViewRow& row, MarkedRange range) {
    const HighlightPart part = FindMarkedPart(*view, view->widths, run, x, range);
    if (!part.draw) return;
    const int thickness = ScaleForDpi(2, ViewDpi(*view));
    const RECT line{part.x, y + row.height - thickness, part.x + part.width, y + row.height};
    FillRect(ViewDc(view), &line, GetSysColorBrush(COLOR_HIGHLIGHT));
}

}  // namespace

void PaintAliyahMargin(ViewState* view, const PaintPlan& plan) {
    if (!view->aliyahMargin || view->aliyahMarks.empty()) return;
    HDC dc = ViewDc(view);
    const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    for (const PlacedRow& placed : plan.rows) {
        const ViewRow& row = view->rows[placed.index];
        if (!IsRuleRecord(row.attr)) DrawRowMarks(view, row, placed.y);
    }
    SetTextColor(dc, colour);
}

void PaintPracticeWord(ViewState* view, const PaintPlan& plan) {
    const MarkedRange range{view->practiceWord.start, view->practiceWord.end};
    if (range.start >= range.end) return;
    HFONT previous = nullptr;
    for (const PlacedRow& placed : plan.rows) {
        const ViewRow& row = view->rows[placed.index];
        if (IsRuleRecord(row.attr)) continue;
        const RowRuns runs = SplitRow(view->text, row);
        if (!RowMeetsRange(row, range) && !(runs.word.start < range.end && runs.word.start + runs.word.count > range.start))
            continue;
        HFONT before = SelectStyleFont(view, RowStyle(row));
        if (previous == nullptr) previous = before;
        const int wordWidth = RunWidth(view, view->text.data() + runs.word.start, runs.word.count);
        if (row.indent != 0) UnderlineRun(view, runs.word, FirstWordX(row, wordWidth), placed.y, row, range);
        UnderlineRun(view, runs.rest, row.x, placed.y, row, range);
    }
    if (previous != nullptr) SelectObject(ViewDc(view), previous);
}
