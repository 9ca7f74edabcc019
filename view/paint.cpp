// Painting the Reading view: the rows that fit, with their first words set
// apart in hanging rows, rules as thin lines, the aliyot's names beside them,
// a highlighted range drawn blue on yellow over them, the selected verses in
// the system's selection colours, the practice word underlined and the
// running head above them; under high contrast every colour is the system's
// (view_colours).
#include "view/char_widths.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/navigation.h"
#include "view/paint_margin.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"
#include "view/style_font.h"
#include "view/view_colours.h"
#include "view/view_events.h"

namespace {

// A range a highlight pass paints, and its colours.
struct Marking {
    MarkedRange range;
    COLORREF text;
    COLORREF back;
};

HDC ViewDc(const ViewState* view) { return static_cast<HDC>(view->dc); }

unsigned RowStyle(const ViewRow& row) { return IsRuleRecord(row.attr) ? 1u : row.attr & kStyleKeyMask; }

// A line one pixel thick at 96 dots per inch, in the text's colour.
void DrawRule(HDC dc, const ViewRow& row, int y, int dpi, HBRUSH brush) {
    const int middle = y + row.height / 2;
    RECT line{row.x, middle, row.x + row.width, middle + ScaleForDpi(1, dpi)};
    FillRect(dc, &line, brush);
}

// The first word of a hanging row, fitted to the indent: its byte count and width.
int FitFirstWord(ViewState* view, const ViewRow& row, TextRun word, int& width) {
    const uint8_t* bytes = view->text.data() + word.start;
    int count = word.count;
    width = row.indent;
    if (row.attr & kAttrRightToLeft) FitByWidthTable(view->widths, bytes, width, count);
    else FitByFont(ViewDc(view), view->fontSettings.FontAsciiBase, bytes, width, count);
    return count;
}

void DrawTextRow(ViewState* view, const ViewRow& row, int y) {
    const RowRuns runs = SplitRow(view->text, row);
    const uint8_t* text = view->text.data();
    if (row.indent != 0) {
        int width = 0;
        const int count = FitFirstWord(view, row, runs.word, width);
        const int x = FirstWordX(row, width);
        if (row.attr & kAttrRightToLeft) DrawRun(view, text + runs.word.start, count, x, y, width, row.height);
        else DrawConvertedText(ViewDc(view), ViewDisplayFont(*view), false, text + runs.word.start, count, x, y, width,
                               row.height);
    }
    DrawRun(view, text + runs.rest.start, runs.rest.count, row.x, y, row.width, row.height);
}

void HighlightRun(ViewState* view, TextRun run, int x, int y, const ViewRow& row, const Marking& mark) {
    const HighlightPart part = FindMarkedPart(*view, view->widths, run, x, mark.range);
    if (!part.draw) return;
    HDC dc = ViewDc(view);
    // A pixel above and below the row, but never outside the box, which is
    // all that a later paint clears.
    const int margin = ScaleForDpi(1, ViewDpi(*view));
    RECT area{part.x, y - margin, part.x + part.width, y + row.height + margin};
    const RECT box{view->left, view->top, view->left + view->width, view->top + view->height};
    IntersectRect(&area, &area, &box);
    HBRUSH background = CreateSolidBrush(mark.back);
    FillRect(dc, &area, background);
    DeleteObject(background);
    const COLORREF text = SetTextColor(dc, mark.text);
    const COLORREF back = SetBkColor(dc, mark.back);
    DrawRun(view, view->text.data() + part.start, part.count, part.x, y, part.width, row.height);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
}

void HighlightTextRow(ViewState* view, const ViewRow& row, int y, const Marking& mark) {
    const RowRuns runs = SplitRow(view->text, row);
    if (row.indent != 0 && (row.attr & kAttrRightToLeft)) {
        HDC dc = ViewDc(view);
        int width = 0;
        const int count = FitFirstWord(view, row, runs.word, width);
        const COLORREF text = SetTextColor(dc, mark.text);
        const COLORREF back = SetBkColor(dc, mark.back);
        const int mode = SetBkMode(dc, OPAQUE);
        DrawConvertedText(dc, ViewDisplayFont(*view), true, view->text.data() + runs.word.start, count,
                          FirstWordX(row, width), y, width, row.height);
        SetBkMode(dc, mode);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    } else if (row.indent != 0) {
        HighlightRun(view, runs.word, row.x - row.indent, y, row, mark);
    }
    HighlightRun(view, runs.rest, row.x, y, row, mark);
}

// The running head in its band, grey and centred in the chapter marks' style.
void DrawRunningHead(ViewState* view, const PaintPlan& plan) {
    HDC dc = ViewDc(view);
    const RECT band{view->left, view->top, view->left + view->width, view->top + view->headHeight};
    FillRect(dc, &band, BackgroundBrush(view->systemColours));
    const TextRun head = RunningHead(*view, plan);
    if (head.count <= 0) return;
    HFONT previous = SelectStyleFont(view, kRunningHeadStyle);
    int width = view->width;
    int count = head.count;
    FitByWidthTable(view->widths, view->text.data() + head.start, width, count);
    const COLORREF colour = SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawRun(view, view->text.data() + head.start, count, view->left + (view->width - width) / 2, view->top, width,
            view->headHeight);
    SetTextColor(dc, colour);
    SelectObject(dc, previous);
}

bool CanPaint(const ViewState* view) {
    return view != nullptr && !view->text.empty() && view->rowCount > 0 && !view->rows.empty();
}

// Paints a marking over the rows that fit and meet its range.
int PaintMarking(ViewState* view, const Marking& mark) {
    if (!CanPaint(view)) return -1;
    const PaintPlan plan = PlanPaint(*view, false);
    const ViewRow& first = view->rows[plan.rows.empty() ? 0 : plan.rows.front().index];
    unsigned style = RowStyle(first);
    HFONT previous = SelectStyleFont(view, style);
    for (const PlacedRow& placed : plan.rows) {
        const ViewRow& row = view->rows[placed.index];
        if (IsRuleRecord(row.attr) || !RowMeetsRange(row, mark.range)) continue;
        if (RowStyle(row) != style) {
            style = RowStyle(row);
            SelectStyleFont(view, style);
        }
        HighlightTextRow(view, row, placed.y, mark);
    }
    SelectObject(ViewDc(view), previous);
    return 0;
}

void PaintSelection(ViewState* view) {
    const ViewColours colours = ColoursFor(view->systemColours);
    for (const TextSpan& span : view->selectedSpans) {
        PaintMarking(view, {{span.start, span.end}, colours.selectionText, colours.selectionBack});
    }
}

}  // namespace

int PaintView(ViewState* view, bool erase) {
    if (!CanPaint(view)) return -1;
    EnsureMarkLayer(view);
    HDC dc = ViewDc(view);
    const PaintPlan plan = PlanPaint(*view, true);
    view->rowsOnPage = plan.rowsOnPage;
    const COLORREF colour = GetTextColor(dc);
    const ViewRow& first = view->rows[plan.rows.empty() ? 0 : plan.rows.front().index];
    unsigned style = RowStyle(first);
    HFONT previous = SelectStyleFont(view, style | kSelectWithColour);
    if (erase) {
        RECT box{view->left, view->top, view->left + view->width, view->top + view->height};
        FillRect(dc, &box, BackgroundBrush(view->systemColours));
    }
    HBRUSH ruleBrush = TextBrush(view->systemColours);
    for (const PlacedRow& placed : plan.rows) {
        const ViewRow& row = view->rows[placed.index];
        if (IsRuleRecord(row.attr)) {
            DrawRule(dc, row, placed.y, ViewDpi(*view), ruleBrush);
            continue;
        }
        if (RowStyle(row) != style) {
            style = RowStyle(row);
            SelectStyleFont(view, style | kSelectWithColour);
        }
        DrawTextRow(view, row, placed.y);
    }
    SelectObject(dc, previous);
    SetTextColor(dc, colour);
    PaintAliyahMargin(view, plan);
    if (view->headHeight > 0) DrawRunningHead(view, plan);
    view->nextPaintRow = plan.nextRow;
    const int highlighted = view->highlightStart != 0 || view->highlightEnd != 0 ? PaintHighlight(view) : 0;
    // The selection is the newer choice: it shows over a hit it covers.
    if (!view->selectedSpans.empty()) PaintSelection(view);
    PaintPracticeWord(view, plan);
    NoteViewShown(*view);
    return highlighted;
}

int PaintHighlight(ViewState* view) {
    const ViewColours colours = ColoursFor(view->systemColours);
    return PaintMarking(view, {HighlightRange(*view), colours.hitText, colours.hitBack});
}
