// Painting the Choose Article window's list: each shown row that fits, its
// title converted and drawn like the Reading view's text, and an icon (9 x 9
// pixels at 96 dots per inch) beside the first row of each entry, in the
// row's text colour; a focus rectangle around the keyboard's entry; and its
// scroll bar.
#include "app/program.h"
#include "dialogs/picker_focus.h"
#include "dialogs/picker_gdi.h"
#include "resources/resource.h"
#include "store/article_index.h"
#include "view/dpi_scale.h"
#include "view/reading_view.h"
#include "view/view_colours.h"
#include "view/window_dpi.h"

namespace {

HBITMAP IconFor(const PickerIcons& icons, const PickerRow& row) {
    if (!IsHeadingRowId(row.id)) return icons.page;
    return (row.attr & kIndexAttrExpanded) ? icons.open : icons.closed;
}

// The icon as it was drawn for the window's dots per inch, unscaled.
void DrawIcon(HDC dc, HBITMAP bitmap, const PickerRow& row, int y, int dpi) {
    if (bitmap == nullptr) return;
    HDC source = CreateCompatibleDC(dc);
    if (source == nullptr) return;
    HGDIOBJ previous = SelectObject(source, bitmap);
    const SIZE size = BitmapSize(bitmap);
    const int half = (row.height - size.cy) / 2;
    StretchBlt(dc, row.x + row.width + ScaleForDpi(kPickerIconGap, dpi), half > 0 ? y + half : y, size.cx, size.cy,
               source, 0, 0, size.cx, size.cy, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

HBITMAP LoadIcon(int id, int dpi) { return LoadBitmapForDpi(program.instance, id, dpi); }

// The text and icon of the focused entry's rows among those drawn, widened a
// little; empty when none of them is drawn.
RECT FocusRect(PickerState& state, const std::vector<PickerLine>& lines) {
    const int focused = FocusedRow(state);
    const int end = focused >= 0 ? EntryRowsEnd(state, focused) : -1;
    RECT area{};
    for (const PickerLine& line : lines) {
        const PickerRow& row = state.rows[line.row];
        if (line.row < focused || line.row >= end) continue;
        const int margin = ScaleForDpi(2, state.dpi);
        const RECT rowArea{row.x - margin, line.y, row.x + row.width + ScaleForDpi(kPickerIconZone, state.dpi) + margin,
                           line.y + row.height};
        UnionRect(&area, &area, &rowArea);
    }
    return area;
}

void DeleteIcon(HBITMAP& icon) {
    if (icon != nullptr) DeleteObject(icon);
    icon = nullptr;
}

}  // namespace

PickerIcons LoadPickerIcons(int dpi) {
    return PickerIcons{LoadIcon(IDB_PICKER_PLUS, dpi), LoadIcon(IDB_PICKER_MINUS, dpi), LoadIcon(IDB_PICKER_PAGE, dpi)};
}

void DeletePickerIcons(PickerIcons& icons) {
    DeleteIcon(icons.closed);
    DeleteIcon(icons.open);
    DeleteIcon(icons.page);
}

void PaintPicker(PickerState& state, const PickerIcons& icons, bool erase) {
    const std::vector<PickerLine> lines = PlanPickerPaint(state);
    HDC dc = static_cast<HDC>(state.dc);
    if (dc == nullptr || state.text.empty()) return;
    const COLORREF colour = GetTextColor(dc);
    const unsigned firstKey = lines.empty() ? 1 : state.rows[lines.front().row].attr & kIndexStyleMask;
    HFONT previous = SelectPickerFont(state, firstKey, true);
    if (erase) {
        RECT box{state.left, state.top, state.left + state.width, state.top + state.height};
        FillRect(dc, &box, BackgroundBrush(state.systemColours));
    }
    SetBkMode(dc, TRANSPARENT);
    // The icons' white takes the background colour, their black the text's.
    const COLORREF back = SetBkColor(dc, ColoursFor(state.systemColours).background);
    unsigned key = firstKey;
    // Titles are stored in visual order, like right-to-left article text.
    const DisplayFont font{state.fontSettings.FontAsciiBase, state.reverseOption};
    for (const PickerLine& line : lines) {
        const PickerRow& row = state.rows[line.row];
        if ((row.attr & kIndexStyleMask) != key) {
            key = row.attr & kIndexStyleMask;
            SelectPickerFont(state, key, true);
        }
        if (line.icon) DrawIcon(dc, IconFor(icons, row), row, line.y, state.dpi);
        DrawConvertedText(dc, font, true, state.text.data() + row.offset, row.count, row.x, line.y, row.width,
                          row.height);
    }
    const RECT focus = FocusRect(state, lines);
    if (!IsRectEmpty(&focus)) DrawFocusRect(dc, &focus);
    SelectObject(dc, previous);
    SetTextColor(dc, colour);
    SetBkColor(dc, back);
}

void UpdatePickerScrollBar(HWND window, const PickerState& state) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = state.maxTop;
    info.nPos = state.topRow;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
}
