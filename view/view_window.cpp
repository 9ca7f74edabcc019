// The Reading view inside the main window: scrolling and click paging, the
// scroll bar, painting the client area and following the window's size.
#include <algorithm>

#include "app/program.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/reading_view.h"
#include "view/style_font.h"
#include "view/view_colours.h"
#include "view/view_geometry.h"
#include "view/window_dpi.h"
#include "view/window_title.h"

// The least box, in rows of the body's font: about four words across (the
// aliyot's margin, when shown, takes a word's room of them), and four rows
// and the running head down (at an article's top, its heading in two rows
// and the first row of text).
constexpr int kLeastBoxWidthInRows = 8;
constexpr int kLeastBoxHeightInRows = 5;

int ScrollView(ViewState* view, int delta, int redrawMode, bool clamp) {
    return ScrollView(view, delta, redrawMode, clamp, [](ViewState& v) { return PaintView(&v, true); });
}

void UpdateScrollBar(HWND window) {
    FollowTopRowInTitle(window);
    if (!HasScrollBar(program.settings.Flags) || program.view == nullptr) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = program.view->maxRow;
    info.nPos = program.view->topRow;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}

int ClickPage(HWND window, ViewState* view, int x, int y, int redrawMode) {
    if (view == nullptr) return 0;
    const ClickPageDecision decision = DecideClickPage(*view, program.settings.Flags, ViewGutter(), x, y);
    if (!decision.page) return 0;
    ScrollView(view, decision.delta, redrawMode, true);
    UpdateScrollBar(window);
    return 1;
}

int ToolbarHeight() {
    if (program.toolbar == nullptr) return 0;
    RECT toolbar;
    GetWindowRect(program.toolbar, &toolbar);
    return toolbar.bottom - toolbar.top;
}

void PaintWindow(HDC dc, HWND window, unsigned flags) {
    PAINTSTRUCT paint{};
    HDC target = dc != nullptr ? dc : BeginPaint(window, &paint);
    if (flags & kPaintClearClient) {
        RECT client;
        GetClientRect(window, &client);
        if (program.toolbar != nullptr) client.top = ToolbarHeight() - 1;
        FillRect(target, &client, BackgroundBrush(program.highContrast));
    }
    if ((flags & kPaintView) && program.view != nullptr) PaintView(program.view, (flags & kPaintClearClient) != 0);
    if (dc == nullptr) EndPaint(window, &paint);
}

void RepaintView(HWND window, unsigned flags) {
    if (window == nullptr) window = program.mainWindow;
    HDC dc = GetDC(window);
    PaintWindow(dc, window, flags);
    ReleaseDC(window, dc);
    UpdateScrollBar(window);
}

// Shrinks a size by twice the gutter, when it is larger than that.
static int LessGutter(int size, int gutter) { return size > 2 * gutter ? size - 2 * gutter : size; }

int ViewGutter() { return ScaleForDpi(program.gutter, program.dpi); }

// The one rule for the box in a client area of this size: the gutter in from
// the left, below the toolbar (less a pixel) and the gutter at the top,
// twice the gutter less wide and high, each where the client area is larger
// than that, and less high by the toolbar.
static RECT ViewBoxForClient(int clientWidth, int clientHeight) {
    const int gutter = ViewGutter();
    RECT box{0, 0, LessGutter(clientWidth, gutter), LessGutter(clientHeight, gutter)};
    if (clientWidth > 2 * gutter) OffsetRect(&box, gutter, 0);
    if (clientHeight > 2 * gutter) OffsetRect(&box, 0, gutter);
    if (program.toolbar != nullptr) {
        const int toolbarHeight = ToolbarHeight();
        box.bottom -= toolbarHeight;
        OffsetRect(&box, 0, toolbarHeight - 1);
    }
    return box;
}

RECT ReadingViewBox(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return ViewBoxForClient(client.right, client.bottom);
}

SIZE OuterSizeLessGutter(HWND window) {
    const int gutter = ViewGutter();
    RECT outer{};
    GetWindowRect(window, &outer);
    // Shrunk like the view box at creation: g off the near edge, 2g off the far one.
    const int outerWidth = outer.right - outer.left;
    const int outerHeight = outer.bottom - outer.top;
    return SIZE{outerWidth > 2 * gutter ? outerWidth - 3 * gutter : outerWidth,
                outerHeight > 2 * gutter ? outerHeight - 3 * gutter : outerHeight};
}

// The body's row height on the window's screen, with the room the layout
// keeps for the marks; while the window moves to a screen of another scale
// the fonts are still those of the old one.
static int BodyRowHeight(ViewState* view) {
    HDC dc = static_cast<HDC>(view->dc);
    HFONT previous = SelectStyleFont(view, 1);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int height = metrics.tmHeight;
    if (const ClusterShaper* shaper = view->shaper) height = std::max(height, shaper->room.above + shaper->room.below);
    SelectObject(dc, previous);
    if (view->dpi <= 0 || program.dpi <= 0) return height;
    return MulDiv(height, program.dpi, view->dpi);
}

SIZE MinimumWindowSize(HWND window) {
    ViewState* view = program.view;
    if (view == nullptr || view->dc == nullptr) return SIZE{0, 0};
    const int row = BodyRowHeight(view);
    const int gutter = ViewGutter();
    RECT outer{0, 0, kLeastBoxWidthInRows * row + 3 * gutter,
               ToolbarHeight() + kLeastBoxHeightInRows * row + 3 * gutter};
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    AdjustWindowRectEx(&outer, style, TRUE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    if (style & WS_VSCROLL) outer.right += SystemMetricForDpi(SM_CXVSCROLL, program.dpi);
    // A very large font does not make the window larger than half its screen.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    SIZE least{outer.right - outer.left, outer.bottom - outer.top};
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        least.cx = std::min<LONG>(least.cx, (monitor.rcWork.right - monitor.rcWork.left) / 2);
        least.cy = std::min<LONG>(least.cy, (monitor.rcWork.bottom - monitor.rcWork.top) / 2);
    }
    return least;
}

void OnViewSize(HWND window, int clientWidth, int clientHeight) {
    ViewState* view = program.view;
    const RECT box = ViewBoxForClient(clientWidth, clientHeight);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (view == nullptr || (width == view->width && height == view->height && box.left == view->left &&
                            box.top == view->top)) {
        return;
    }
    if (program.toolbar != nullptr) MoveWindow(program.toolbar, 0, 0, width, ToolbarHeight(), TRUE);
    view->left = box.left;
    view->top = box.top;
    ResizeView(view, width, height);
    UpdateScrollBar(window);
}

void OnViewDpiChanged(HWND window, int topText) {
    ViewState* view = program.view;
    if (view == nullptr) return;
    view->dpi = program.dpi;
    const RECT box = ReadingViewBox(window);
    view->left = box.left;
    view->top = box.top;
    view->width = box.right - box.left;
    view->height = box.bottom - box.top;
    RelayoutKeepingText(view, topText);
    RepaintView(window, kPaintClearClient | kPaintView);
}
