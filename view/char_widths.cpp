// Width tables measured with the selected font, and the platform fit of
// text in reading order.
#include "view/char_widths.h"

#include <algorithm>
#include <vector>

#include "store/display_order.h"
#include "view/style_font.h"

void MeasureCharWidths(ViewState* view, StyleFont* font, bool isNew) {
    view->widths = &font->widths;
    if (!isNew && !IsWidthTableUnmeasured(font->widths)) return;
    HDC dc = static_cast<HDC>(view->dc);
    const int asciiBase = view->fontSettings.FontAsciiBase;
    for (int i = 0; i < kWidthTableSize; ++i) {
        const auto code = static_cast<uint8_t>(kFirstMeasuredCode + i);
        const wchar_t c = WidthCharForCode(code, asciiBase);
        SIZE size{};
        if (!GetTextExtentPoint32W(dc, &c, 1, &size)) size.cx = 0;
        font->widths.widths[i] = IsVowelPointCode(code) ? 0 : static_cast<int16_t>(size.cx);
    }
}

std::vector<char16_t>& SharedDisplayBuffer() {
    static std::vector<char16_t> buffer;
    return buffer;
}

void FitByFont(HDC dc, int fontAsciiBase, const uint8_t* text, int& width, int& count) {
    std::vector<char16_t>& buffer = SharedDisplayBuffer();
    // Fitted from the first code on, so never turned round, whatever the Reverse option says.
    DisplayCharsFor(TextSurface::kMeasure, DisplayFont{fontAsciiBase, false}, false, text, count, buffer);
    if (buffer.empty()) {
        // Out of memory: nothing fits.
        width = 0;
        count = 0;
        return;
    }
    const auto* chars = reinterpret_cast<const wchar_t*>(buffer.data());
    // A zero byte ends the text early: never hand the platform more than was converted.
    const int length = std::min(count, lstrlenW(chars));
    int fitting = 0;
    SIZE size{};
    if (!GetTextExtentExPointW(dc, chars, length, width, &fitting, nullptr, &size)) {
        width = 0;
        count = 0;
        return;
    }
    if (!GetTextExtentPoint32W(dc, chars, fitting, &size)) size.cx = 0;
    count = fitting;
    width = size.cx;
}
