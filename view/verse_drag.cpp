// The mouse on the Reading view: a click pages on the button's release, a
// drag selects verses. The press is kept in the program state, the selection
// in the view, which paints it; the verse map says which verse a byte holds.
#include "view/verse_drag.h"

#include <span>

#include "app/program.h"
#include "store/verse_map_resource.h"
#include "view/reading_view.h"
#include "view/style_font.h"
#include "view/verse_selection.h"

namespace {

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

void SelectFromPress(const ViewPress& press, int x, int y) {
    ViewState* view = program.view;
    const DragPoint pointer = PointInRows(view, x, y);
    if (press.point.row < 0 || pointer.row < 0) return;
    const std::span<const VerseEntry> verses = ShownVerses();
    if (SetViewSelection(*view, verses, SelectVerses(*view, verses, press.point, pointer))) PaintView(view, true);
}

// A click clears the selection and pages as a click always has; the view is
// painted once, by the page step or, when nothing moved, here.
void Click(HWND window, int x, int y) {
    ViewState* view = program.view;
    const bool cleared = SetViewSelection(*view, {}, VerseSelection{});
    const uint16_t topRow = view->topRow;
    ClickPage(window, view, x, y, 1);
    if (cleared && view->topRow == topRow) PaintView(view, true);
}

}  // namespace

void OnViewButtonDown(HWND window, int x, int y) {
    if (program.view == nullptr) return;
    program.press = ViewPress{true, false, x, y, PointInRows(program.view, x, y)};
    SetCapture(window);
}

void OnViewMouseMove(HWND, int x, int y) {
    ViewPress& press = program.press;
    if (!press.down || program.view == nullptr) return;
    if (!press.dragging && !MovedBeyondDrag(press, x, y, GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)))
        return;
    press.dragging = true;
    SelectFromPress(press, x, y);
}

void OnViewButtonUp(HWND window, int x, int y) {
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

void OnViewCaptureLost() { program.press = ViewPress{}; }

bool ClearVerseSelection() {
    if (program.view == nullptr || !SetViewSelection(*program.view, {}, VerseSelection{})) return false;
    PaintView(program.view, true);
    return true;
}
