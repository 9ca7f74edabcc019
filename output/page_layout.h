// The arithmetic of a printed page: the text box inside the margins, the
// header and footer bands around it, whether the box can hold the article's
// rows, and the header mark.
#pragma once

#include <cstdint>

#include "view/view_state.h"

// Margins in thousandths of an inch from the edges of the printable area.
struct PrintMargins {
    int32_t left = 1000;
    int32_t top = 1000;
    int32_t right = 1000;
    int32_t bottom = 1000;
};

// The printer's resolution and printable area in device pixels.
struct PrinterGeometry {
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    int width = 0;   // HORZRES
    int height = 0;  // VERTRES
};

struct PageBox {
    int64_t left = 0, top = 0, width = 0, height = 0;
};

// The text box inside the margins, divisions truncating toward zero.
PageBox ComputePageBox(const PrinterGeometry& printer, const PrintMargins& margins);

// Whether the printer and the box fit the view's 16-bit row fields and leave
// room for text: an area of 1..32767 pixels each way, a box inside it with a
// positive width and height.
bool IsUsablePageBox(const PrinterGeometry& printer, const PageBox& box);

// Sets the view's box (the caller has checked it with IsUsablePageBox).
void SetViewBox(ViewState& view, const PageBox& box);

// The gap between the text box and each of the header and footer bands, in
// pixels at 96 dots per inch; a page has it at the view's dots per inch.
constexpr int kFrameGap = 5;

// Shrinks the view's box for a header band a high and a footer band b high.
void ReserveFrameBands(ViewState& view, int a, int b);

struct Band {
    int left = 0, top = 0, right = 0, bottom = 0;
};
Band HeaderBand(const ViewState& view, int a);
Band FooterBand(const ViewState& view, int b);

// Whether every laid-out row fits the box's height, so that each page takes
// at least one row; false without rows.
bool BoxHoldsEveryRow(const ViewState& view);

// The header mark in article codes, in visual order: dalet, quotation mark,
// samekh, bet, read right to left as bet, samekh, quote, dalet.
inline constexpr uint8_t kHeaderMarkCodes[] = {0x64, 0x22, 0x72, 0x62};
constexpr int kHeaderMarkLength = 4;
