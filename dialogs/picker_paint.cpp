// Painting the Choose Section window's list: each shown row that fits, its
// title converted and drawn like the Reading view's text, and a 9 x 9 icon
// beside the first row of each entry; and its scroll bar.
#include "app/program.h"
#include "dialogs/picker_gdi.h"
#include "resources/resource.h"
#include "store/article_index.h"
#include "view/reading_view.h"

namespace {

constexpr int kIconSize = 9;
constexpr int kIconGap = 4;

HBITMAP IconFor(const PickerIcons& icons, const PickerRow& row) {
    if (!IsHeadingRowId(row.id)) return icons.page;
    return (row.attr & kIndexAttrExpanded) ? icons.open : icons.closed;
}

void DrawIcon(HDC dc, HBITMAP bitmap, const PickerRow& row, int y) {
    if (bitmap == nullptr) return;
    HDC source = CreateCompatibleDC(dc);
    if (source == nullptr) return;
    HGDIOBJ previous = SelectObject(source, bitmap);
    const int half = (row.height - kIconSize) / 2;
    StretchBlt(dc, row.x + row.width + kIconGap, half > 0 ? y + half : y, kIconSize, kIconSize, source, 0, 0,
               kIconSize, kIconSize, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

HBITMAP LoadIcon(int id) { return LoadBitmapW(program.instance, MAKEINTRESOURCEW(id)); }

void DeleteIcon(HBITMAP& icon) {
    if (icon != nullptr) DeleteObject(icon);
    icon = nullptr;
}

}  // namespace

PickerIcons LoadPickerIcons() {
    return PickerIcons{LoadIcon(IDB_PICKER_PLUS), LoadIcon(IDB_PICKER_MINUS), LoadIcon(IDB_PICKER_PAGE)};
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
        FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    SetBkMode(dc, TRANSPARENT);
    unsigned key = firstKey;
    // Titles are stored in visual order, like right-to-left article text.
    const DisplayFont font{state.fontSettings.FontAsciiBase, state.reverseOption};
    for (const PickerLine& line : lines) {
        const PickerRow& row = state.rows[line.row];
        if ((row.attr & kIndexStyleMask) != key) {
            key = row.attr & kIndexStyleMask;
            SelectPickerFont(state, key, true);
        }
        if (line.icon) DrawIcon(dc, IconFor(icons, row), row, line.y);
        DrawConvertedText(dc, font, true, state.text.data() + row.offset, row.count, row.x, line.y, row.width,
                          row.height);
    }
    SelectObject(dc, previous);
    SetTextColor(dc, colour);
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
