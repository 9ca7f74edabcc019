// The mouse on the Reading view: a click pages on the button's release, a
// drag selects verses. The press is kept in the program state as a stored
// position of the text, so that a new layout during the drag (a zoom, a
// resize) does not move it; the selection is kept in the view, which paints
// it; the verse map says which verse a byte holds.
#include "view/verse_drag.h"

#include <span>

#include "app/program.h"
#include "store/verse_map_resource.h"
#include "view/paint_plan.h"
#include "view/reading_view.h"
#include "view/style_font.h"
#include "view/verse_selection.h"
#include "view/view_geometry.h"
#include "view/window_dpi.h"

namespace {

constexpr UINT kEdgeScrollInterval = 50;  // milliseconds between row steps

std::span<const VerseEntry> ShownVerses() {
    const uint16_t lesson = program.settings.Lesson;
    if (lesson < 1 || lesson > kArticleCount) return {};
    return ProgramVerseMap().articles[lesson];
}

// The row under a point of the client area and the byte under it, measured
// with the row's own font.
DragPoint PointInRows(ViewState* view, int x, int y) {
    const int row = RowAtY(*view, y);
    if (row < 0) return {-1};
    const ViewRow& under = view->rows[row];
    if (IsRuleRecord(under.attr)) return {row};
    HFONT previous = SelectStyleFont(view, under.attr & kStyleKeyMask);
    const int byte = ByteAtX(*view, view->widths, under, x);
    SelectObject(static_cast<HDC>(view->dc), previous);
    return {row, byte};
}

// The verses from the press to a point; the view is painted when they
// changed, or when asked (after a scroll).
void SelectFromPress(const ViewPress& press, int x, int y, bool paint = false) {
    ViewState* view = program.view;
    const DragPoint from = PointAtPosition(*view, press.position);
    const DragPoint to = PointInRows(view, x, y);
    const std::span<const VerseEntry> verses = ShownVerses();
    if (from.row >= 0 && to.row >= 0 && SetViewSelection(*view, verses, SelectVerses(*view, verses, from, to)))
        paint = true;
    if (paint) PaintView(view, true);
}

// Rows to scroll for a pointer above the text (-1) or below it (+1); 0 inside.
int EdgeStep(const ViewState& view, int y) {
    if (y < view.top) return -1;
    return y >= view.top + view.height ? 1 : 0;
}

void StopEdgeScroll(HWND window) {
    if (program.press.scrolling) KillTimer(window, kEdgeScrollTimer);
    program.press.scrolling = false;
}

// A click clears the selection, or pages as a click always has when there
// is none; a double click may take that page back.
void Click(HWND window, int x, int y) {
    ViewState* view = program.view;
    if (SetViewSelection(*view, {}, VerseSelection{})) {
        PaintView(view, true);
        return;
    }
    const uint16_t topRow = view->topRow;
    ClickPage(window, view, x, y, 1);
    program.press.pagedFrom = view->topRow != topRow ? topRow : -1;
}

// The system's drag distance at the window's scale.
int DragDistance(int index) { return SystemDistanceForDpi(index, program.dpi); }

}  // namespace

void OnViewButtonDown(HWND window, int x, int y, bool extend) {
    ViewState* view = program.view;
    if (view == nullptr) return;
    ViewPress press{true, false, x, y, PointPosition(*view, PointInRows(view, x, y)), x, y};
    // Shift extends the selection from the verse it was begun at.
    if (extend) {
        const std::span<const VerseEntry> verses = ShownVerses();
        const int anchor = view->selection.anchor;
        if (anchor >= 0 && static_cast<size_t>(anchor) < verses.size()) press.position = verses[anchor].first;
        press.dragging = true;
    }
    StopEdgeScroll(window);
    program.press = press;
    SetCapture(window);
    if (extend) SelectFromPress(press, x, y);
}

void OnViewMouseMove(HWND window, int x, int y) {
    ViewPress& press = program.press;
    if (!press.down || program.view == nullptr) return;
    press.pointerX = x;
    press.pointerY = y;
    if (!press.dragging && !MovedBeyondDrag(press, x, y, DragDistance(SM_CXDRAG), DragDistance(SM_CYDRAG))) return;
    press.dragging = true;
    SelectFromPress(press, x, y);
    if (!press.scrolling && EdgeStep(*program.view, y) != 0) {
        press.scrolling = SetTimer(window, kEdgeScrollTimer, kEdgeScrollInterval, nullptr) != 0;
    }
}

bool OnViewTimer(HWND window, UINT_PTR timer) {
    if (timer != kEdgeScrollTimer) return false;
    const ViewPress& press = program.press;
    ViewState* view = program.view;
    const int step = press.down && press.dragging && view != nullptr ? EdgeStep(*view, press.pointerY) : 0;
    if (step == 0) {
        KillTimer(window, kEdgeScrollTimer);
        program.press.scrolling = false;
        return true;
    }
    const bool moved = ScrollView(view, step, 0, true) == kScrollMovedNoPaint;
    SelectFromPress(press, press.pointerX, press.pointerY, moved);
    if (moved) UpdateScrollBar(window);
    return true;
}

void OnViewButtonUp(HWND window, int x, int y) {
    StopEdgeScroll(window);
    const ViewPress press = program.press;
    program.press = ViewPress{};
    if (GetCapture() == window) ReleaseCapture();
    if (!press.down || program.view == nullptr) return;
    if (press.dragging) {
        SelectFromPress(press, x, y);
    } else {
        Click(window, x, y);
    }
}

void OnViewDoubleClick(HWND window, int x, int y) {
    ViewState* view = program.view;
    if (view == nullptr) return;
    const int pagedFrom = program.press.pagedFrom;
    program.press.pagedFrom = -1;
    if (pagedFrom >= 0) {
        view->topRow = static_cast<uint16_t>(pagedFrom);
        UpdateScrollBar(window);
    }
    if (!SelectVerseAt(x, y) && pagedFrom >= 0) PaintView(view, true);
}

void OnViewCaptureLost(HWND window) {
    StopEdgeScroll(window);
    program.press = ViewPress{};
}

void EndViewPress() {
    if (program.mainWindow != nullptr) StopEdgeScroll(program.mainWindow);
    program.press = ViewPress{};
}

bool SelectVerseAt(int x, int y) {
    ViewState* view = program.view;
    if (view == nullptr) return false;
    const DragPoint point = PointInRows(view, x, y);
    const std::span<const VerseEntry> verses = ShownVerses();
    int verse = VerseNearPoint(*view, verses, point, +1);
    if (verse < 0) verse = VerseNearPoint(*view, verses, point, -1);
    SetViewSelection(*view, verses, VerseSelection{verse, verse, verse});
    PaintView(view, true);
    return view->selection.first >= 0;
}

bool SelectFirstShownVerse() {
    ViewState* view = program.view;
    if (view == nullptr) return false;
    const std::span<const VerseEntry> verses = ShownVerses();
    for (const PlacedRow& placed : PlanPaint(*view, false).rows) {
        const int verse = VerseNearPoint(*view, verses, DragPoint{placed.index}, +1);
        if (verse < 0) continue;
        SetViewSelection(*view, verses, VerseSelection{verse, verse, verse});
        PaintView(view, true);
        return view->selection.first >= 0;
    }
    return false;
}

bool ClearVerseSelection() {
    if (program.view == nullptr || !SetViewSelection(*program.view, {}, VerseSelection{})) return false;
    PaintView(program.view, true);
    return true;
}
