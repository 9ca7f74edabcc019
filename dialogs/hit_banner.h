// The framed banner that names the article of a search hit, drawn straight
// onto the Reading view until its next paint.
#pragma once

#include <windows.h>

#include "view/view_state.h"

// Draws n one-pixel rectangles in colour, each one pixel inside the one
// before; box ends shrunk by n on each side.
void DrawFrameRings(HDC dc, RECT& box, COLORREF colour, int n);

// The article's heading and title, red on yellow in a red, white and blue
// frame at the bottom of the view, or at its top when the highlighted hit's
// rows lie where it would stand. Nothing when the article has neither.
void ShowHitBanner(ViewState* view);
