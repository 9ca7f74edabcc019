// Zooming the Reading view from the keyboard and the wheel: Ctrl+Plus and
// Ctrl+Minus (Ctrl+wheel) step through the font chooser's sizes, Ctrl+0
// returns to the size chosen in Choose Font. The zoom is a view setting of
// its own ("Zoom", steps from the chosen size), stored at exit and restored
// at the next start; FontSize stays the chosen size, which printing and
// Choose Font use.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// The font settings the Reading view shows: the chosen ones, with the size
// the zoom reaches from the chosen size.
FontSettings ZoomedFontSettings();

// Zooms steps sizes larger (positive) or smaller, keeping the text at the top
// of the view at its top. Nothing happens at either end of the size list.
void ZoomDisplayFont(HWND window, int steps);

// Returns the view to the size chosen in Choose Font.
void ResetZoom(HWND window);
