// Drawing one row's codes. With a Unicode font each code is placed in a cell
// of its own from the right, so that the vowel points sit in their letters'
// cells; with an 8-bit font the converted line is drawn in one call.
#include <algorithm>
#include <vector>

#include "view/char_widths.h"
#include "view/dpi_scale.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr UINT kCellFormat = DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX;
constexpr int kHolamCell = 3;  // pixels at 96 dots per inch, as the overlap of 1 below

void DrawCharInCell(HDC dc, char16_t c, int left, int right, int y, int h) {
    RECT cell{left, y, right, y + h};
    const auto wide = static_cast<wchar_t>(c);
    DrawTextW(dc, &wide, 1, &cell, kCellFormat);
}

bool IsLamedWithHolam(uint8_t code) { return code == 0x59 || code == 0x5A; }

void DrawCells(ViewState* view, const uint8_t* bytes, int count, int x, int y, int w, int h) {
    HDC dc = static_cast<HDC>(view->dc);
    SetBkMode(dc, TRANSPARENT);
    const int holamCell = ScaleForDpi(kHolamCell, ViewDpi(*view));
    const int overlap = ScaleForDpi(1, ViewDpi(*view));
    int position = x + w;
    int advance = 0;  // width of the previous cell, which a vowel point takes again
    for (int i = count - 1; i >= 0; --i) {
        const uint8_t code = bytes[i];
        const Glyph glyph = GlyphForCode(code, kUnicodeAsciiBase);
        if (code == 0x1F) {
            DrawCharInCell(dc, glyph.first, position, position + holamCell, y, h);
            advance = holamCell;
            continue;
        }
        if (IsVowelPointCode(code)) {
            DrawCharInCell(dc, glyph.first, position, position + advance, y, h);
            continue;
        }
        const int width = view->widths != nullptr ? CodeWidth(*view->widths, code) : 0;
        const int left = position - width;
        if (IsLamedWithHolam(code)) {
            DrawCharInCell(dc, glyph.second, left, position, y, h);
            DrawCharInCell(dc, glyph.first, left + overlap - holamCell, left + overlap, y, h);
            advance = holamCell;
        } else {
            DrawCharInCell(dc, glyph.first, left, position, y, h);
            if (glyph.count == 2) DrawCharInCell(dc, glyph.second, left, position, y, h);
            advance = width;
        }
        position = left;
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
