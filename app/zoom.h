// Zooming the display font from the keyboard and the wheel: Ctrl+Plus and
// Ctrl+Minus (Ctrl+wheel) step through the font chooser's sizes, Ctrl+0
// returns to the size chosen last. The size reached is the display font's
// size, which is stored at exit as the font chooser's choice is.
#pragma once

#include <windows.h>

// Makes the display font steps sizes larger (positive) or smaller through
// the size list of the chosen size, keeping the text at the top of the view
// at its top. Nothing happens at either end of the list.
void ZoomDisplayFont(HWND window, int steps);

// Returns the display font to the chosen size: the one last chosen in Choose
// Font, or the size the run started with when none was chosen.
void ResetZoom(HWND window);
