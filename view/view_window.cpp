// The Reading view inside the main window: scrolling and click paging, the
// scroll bar, painting the client area and following the window's size.
#include "app/program.h"
#include "view/dpi_scale.h"
#include "view/layout.h"
#include "view/reading_view.h"
#include "view/view_colours.h"
#include "view/view_geometry.h"

int ScrollView(ViewState* view, int delta, int redrawMode, bool clamp) {
    return ScrollView(view, delta, redrawMode, clamp, [](ViewState& v) { return PaintView(&v, true); });
}

void UpdateScrollBar(HWND window) {
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

RECT ReadingViewBox(HWND window) {
    RECT box;
    GetClientRect(window, &box);
    if (program.toolbar != nullptr) box.top = ToolbarHeight() - 1;
    const int gutter = ViewGutter();
    if (box.bottom - box.top > 2 * gutter) {
        box.top += gutter;
        box.bottom -= 2 * gutter;
    }
    if (box.right - box.left > 2 * gutter) {
        box.left += gutter;
        box.right -= 2 * gutter;
    }
    return box;
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

void OnViewSize(HWND window, int clientWidth, int clientHeight) {
    const int gutter = ViewGutter();
    int width = LessGutter(clientWidth, gutter);
    int height = LessGutter(clientHeight, gutter);
    ViewState* view = program.view;
    if (view == nullptr || (width == view->width && height == view->height)) return;
    if (program.toolbar != nullptr) {
        const int toolbarHeight = ToolbarHeight();
        MoveWindow(program.toolbar, 0, 0, width, toolbarHeight, TRUE);
        height -= toolbarHeight;
    }
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
