// Drawing one row's codes. With a Unicode font each code is placed in a cell
// of its own from the right, so that the vowel points sit in their letters'
// cells; with an 8-bit font the converted line is drawn in one call.
#include <algorithm>
#include <new>
#include <vector>

#include "view/cell_placement.h"
#include "view/char_widths.h"
#include "view/dpi_scale.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr UINT kCellFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;
constexpr int kHolamCell = 3;  // pixels at 96 dots per inch, as the overlap of 1 below

// Reused from row to row; never held across calls.
struct CellBuffers {
    std::vector<CellChar> cells;
    std::vector<wchar_t> chars;
    std::vector<int> extents;
    std::vector<WORD> glyphs;
    std::vector<INT> origins;
    std::vector<INT> advances;
};

CellBuffers& SharedCellBuffers() {
    static CellBuffers buffers;
    return buffers;
}

// Each character with its own call, centred in its cell and clipped to it.
void DrawCellsOneByOne(HDC dc, const std::vector<CellChar>& cells, int y, int h) {
    for (const CellChar& cell : cells) {
        RECT box{cell.left, y, cell.right, y + h};
        const auto c = static_cast<wchar_t>(cell.c);
        DrawTextW(dc, &c, 1, &box, kCellFormat);
    }
}

// Every character where the call above puts it: the cell's middle less half
// the character's advance, the row's middle less half the font's height. The
// glyphs go out in the same order, right to left, so that the page keeps the
// reading order; the advances are the steps between their origins. They go
// by glyph index, so that the platform neither reorders nor reshapes them;
// only the row's box clips them.
void DrawCellsInOneCall(HDC dc, CellBuffers& b, int x, int y, int w, int h) {
    const int n = static_cast<int>(b.cells.size());
    b.chars.resize(n);
    for (int i = 0; i < n; ++i) b.chars[i] = static_cast<wchar_t>(b.cells[i].c);
    b.extents.resize(n);
    b.glyphs.resize(n);
    SIZE size{};
    if (!GetTextExtentExPointW(dc, b.chars.data(), n, 0, nullptr, b.extents.data(), &size)) return;
    if (GetGlyphIndicesW(dc, b.chars.data(), n, b.glyphs.data(), 0) == GDI_ERROR) return;
    b.origins.resize(n);
    for (int i = 0; i < n; ++i) {
        const int advance = b.extents[i] - (i > 0 ? b.extents[i - 1] : 0);
        b.origins[i] = (b.cells[i].left + b.cells[i].right - advance) / 2;
    }
    b.advances.resize(n);
    for (int i = 0; i < n; ++i) b.advances[i] = i + 1 < n ? b.origins[i + 1] - b.origins[i] : 0;
    const RECT box{x, y, x + w, y + h};
    ExtTextOutW(dc, b.origins[0], y + h / 2 - size.cy / 2, ETO_GLYPH_INDEX | ETO_CLIPPED, &box,
                reinterpret_cast<const wchar_t*>(b.glyphs.data()), static_cast<UINT>(n), b.advances.data());
}

void DrawCells(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h) {
    HDC dc = static_cast<HDC>(view->dc);
    SetBkMode(dc, TRANSPARENT);
    CellBuffers& buffers = SharedCellBuffers();
    try {
        PlaceCells(view->widths, bytes, count, x + w, ScaleForDpi(kHolamCell, ViewDpi(*view)),
                   ScaleForDpi(1, ViewDpi(*view)), buffers.cells);
        if (buffers.cells.empty()) return;
        if (view->rowsInOneCall) DrawCellsInOneCall(dc, buffers, x, y, w, h);
        else DrawCellsOneByOne(dc, buffers.cells, y, h);
    } catch (const std::bad_alloc&) {
        // Out of memory: the row is skipped, as a failed conversion skips it.
    }
}

}  // namespace

void DrawConvertedText(HDC dc, DisplayFont font, bool storedVisual, const uint8_t* bytes, int count, int x, int y,
                       int w, int h) {
    std::vector<char16_t>& buffer = SharedDisplayBuffer();
    const int adjustment = DisplayCharsFor(TextSurface::kPlatformRun, font, storedVisual, bytes, count, buffer);
    if (buffer.empty()) return;  // out of memory: the text is skipped
    const auto* chars = reinterpret_cast<const wchar_t*>(buffer.data());
    const int length = std::min(count + adjustment, lstrlenW(chars));
    RECT box{x, y, x + w, y + h};
    DrawTextW(dc, chars, length, &box, kCellFormat);
}

void DrawRun(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h) {
    const DisplayFont font = ViewDisplayFont(*view);
    if (PlatformReorders(font)) {
        DrawCells(view, bytes, count, x, y, w, h);
    } else {
        DrawConvertedText(static_cast<HDC>(view->dc), font, true, bytes, count, x, y, w, h);
    }
}
