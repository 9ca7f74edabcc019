// Measuring article codes through the platform: the per-font width tables
// and the fit of text stored in reading order.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "view/view_state.h"

struct StyleFont;

// Fills the font's width table by measuring one character per code, in the
// view's own FontAsciiBase, with the font selected; unless the font is not
// new and its table is already measured. Makes the table the view's current one.
void MeasureCharWidths(ViewState* view, StyleFont* font, bool isNew);

// The width-table fit through the platform, for codes in reading order
// converted with fontAsciiBase: on entry width is the limit and count the
// most bytes; on return count bytes fit with that total width.
void FitByFont(HDC dc, int fontAsciiBase, const uint8_t* text, int& width, int& count);

// The one reusable buffer of display characters that the fit and the drawing
// share; never held across calls.
std::vector<char16_t>& SharedDisplayBuffer();
