// The frame of a printed page: the header band above the text box holds the
// header mark and a printed selection's name, drawn as the Reading view draws
// a run so that they read right to left in either kind of font; the footer
// band holds the maker's web address and the page number.
#include <cwchar>
#include <span>
#include <string>

#include "settings/maker_addresses.h"
#include "output/printing.h"
#include "view/reading_view.h"
#include "view/style_font.h"

namespace {

constexpr UINT kBandFormat = DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
constexpr unsigned kHeaderFontKey = kPrintFontKey | kAttrRightToLeft;

int FontHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

RECT ToRect(const Band& band) { return RECT{band.left, band.top, band.right, band.bottom}; }

void DrawFooter(HDC dc, const Band& band, int page) {
    RECT area = ToRect(band);
    std::wstring left = kMakerWebAddress;
    left += L" -- Velmora";
    DrawTextW(dc, left.c_str(), static_cast<int>(left.size()), &area, kBandFormat);
    wchar_t number[24];
    const int length = swprintf(number, 24, L" Page %d", page);
    DrawTextW(dc, number, length, &area, kBandFormat | DT_RIGHT);
}

int CodesWidth(const ViewState* view, std::span<const uint8_t> codes) {
    int width = 0;
    for (uint8_t code : codes) width += view->widths != nullptr ? CodeWidth(*view->widths, code) : 0;
    return width;
}

void DrawHeaderMark(ViewState* view, const Band& band) {
    const int width = CodesWidth(view, kHeaderMarkCodes);
    DrawRun(view, kHeaderMarkCodes, kHeaderMarkLength, band.right - width, band.top, width, band.bottom - band.top);
}

void DrawHeaderTitle(ViewState* view, const Band& band, std::span<const uint8_t> title) {
    const int width = CodesWidth(view, title);
    const int x = band.left + (band.right - band.left - width) / 2;
    DrawRun(view, title.data(), static_cast<int>(title.size()), x, band.top, width, band.bottom - band.top);
}

}  // namespace

FrameHeights ReservePageFrame(ViewState* view) {
    HDC dc = static_cast<HDC>(view->dc);
    FrameHeights heights;
    HFONT previous = SelectStyleFont(view, kPrintFontKey);
    heights.a = FontHeight(dc);
    SelectStyleFont(view, kHeaderFontKey);
    heights.b = FontHeight(dc);
    SelectObject(dc, previous);
    ReserveFrameBands(*view, heights.a, heights.b);
    return heights;
}

void DrawPageFrame(ViewState* view, int a, int b, int page, std::span<const uint8_t> title) {
    HDC dc = static_cast<HDC>(view->dc);
    HFONT previous = SelectStyleFont(view, kPrintFontKey);
    const int mode = SetBkMode(dc, TRANSPARENT);
    DrawFooter(dc, FooterBand(*view, b), page);
    SelectStyleFont(view, kHeaderFontKey);
    DrawHeaderMark(view, HeaderBand(*view, a));
    if (!title.empty()) DrawHeaderTitle(view, HeaderBand(*view, a), title);
    SetBkMode(dc, mode);
    SelectObject(dc, previous);
}
