// Drawing the banner of a search hit: the frame rings, the yellow box and the
// heading and title lines, each drawn as the Reading view draws a run so that
// the visual-order text is not reordered by the system; at the bottom of the
// view, or at its top when the hit's rows are at the bottom. Under high
// contrast the rings are the system's text and hot-light colours around a box
// of the window colour with the text in the window text colour.
#include "dialogs/hit_banner.h"

#include <algorithm>

#include "dialogs/banner_layout.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"
#include "view/style_font.h"
#include "view/view_colours.h"

namespace {

constexpr unsigned kBannerStyle = 0x302;  // the smaller font of style 2

// The rings from the outside in, the box and its text.
struct BannerColours {
    COLORREF outer, middle, inner, box, text;
};

BannerColours BannerColoursFor(bool systemColours) {
    if (!systemColours) {
        return {RGB(255, 0, 0), RGB(255, 255, 255), RGB(0, 0, 255), RGB(255, 255, 0), RGB(255, 0, 0)};
    }
    const ViewColours view = ColoursFor(true);
    return {view.text, view.background, view.heading, view.background, view.text};
}

// The bytes of a line that fit in the view's width, and their width.
struct FittedLine {
    RecordText line;
    int width = 0;
};

FittedLine FitLine(const ViewState* view, RecordText line) {
    FittedLine fitted{line, view->width};
    if (line.text == nullptr) return {};
    FitByWidthTable(view->widths, line.text, fitted.width, fitted.line.count);
    return fitted;
}

// From the top of the first row the highlight meets to the bottom of its
// last, on the screen; empty when it meets none there.
struct RowSpan {
    int top = 0;
    int bottom = 0;
};

RowSpan HighlightedRows(ViewState& view) {
    RowSpan span;
    for (const PlacedRow& placed : PlanPaint(view, false).rows) {
        const ViewRow& row = view.rows[placed.index];
        if (!RowMeetsHighlight(view, row)) continue;
        if (span.bottom == 0) span.top = placed.y;
        span.bottom = placed.y + row.height;
    }
    return span;
}

void DrawLine(ViewState* view, const FittedLine& line, const RECT& inner, int y, int h) {
    if (line.line.text == nullptr) return;
    const int x = inner.left + (inner.right - inner.left - line.width) / 2;
    DrawRun(view, line.line.text, line.line.count, x, y, line.width, h);
}

}  // namespace

void DrawFrameRings(HDC dc, RECT& box, COLORREF colour, int n) {
    HPEN pen = CreatePen(PS_SOLID, 0, colour);
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (int i = 0; i < n; ++i) {
        Rectangle(dc, box.left, box.top, box.right, box.bottom);
        InflateRect(&box, -1, -1);
    }
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void ShowHitBanner(ViewState* view) {
    if (view == nullptr || view->dc == nullptr) return;
    const TitleRecords records = FindTitleRecords(view->text);
    if (records.heading.text == nullptr && records.title.text == nullptr) return;
    HDC dc = static_cast<HDC>(view->dc);
    HFONT previous = SelectStyleFont(view, kBannerStyle);
    const int lines = records.heading.text != nullptr && records.title.text != nullptr ? 2 : 1;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int h = metrics.tmHeight;
    const FittedLine heading = FitLine(view, records.heading);
    const FittedLine title = FitLine(view, records.title);
    const int dpi = ViewDpi(*view);
    const RowSpan hit = HighlightedRows(*view);
    const BannerBox placed = KeepBannerClear(PlaceBanner(view->left, view->top, view->width, view->height, lines, h,
                                                         std::max(heading.width, title.width), dpi),
                                             view->top, hit.top, hit.bottom, dpi);
    RECT box{placed.left, placed.top, placed.right, placed.bottom};
    const BannerRings rings = BannerRingsForDpi(dpi);
    const BannerColours colours = BannerColoursFor(view->systemColours);
    DrawFrameRings(dc, box, colours.outer, rings.red);
    DrawFrameRings(dc, box, colours.middle, rings.white);
    DrawFrameRings(dc, box, colours.inner, rings.blue);
    HBRUSH fill = CreateSolidBrush(colours.box);
    FillRect(dc, &box, fill);
    DeleteObject(fill);
    const COLORREF text = SetTextColor(dc, colours.text);
    const COLORREF back = SetBkColor(dc, colours.box);
    const FittedLine& first = heading.line.text != nullptr ? heading : title;
    DrawLine(view, first, box, box.top, h);
    if (lines == 2) DrawLine(view, title, box, box.top + h, h);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
    SelectObject(dc, previous);
}
