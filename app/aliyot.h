// The aliyot in the main window: Go to Aliyah and its keys, steps from aliyah
// to aliyah across the portions, Select Aliyah, Show Aliyot, and the Go to
// Aliyah submenu, which names the current portion's aliyot and offers the
// divisions of its pair and the special maftirs it holds.
#pragma once

#include <windows.h>

// Puts the first verse of the current portion's aliyah (1..7, 8 the maftir)
// at the top of the view; a beep when it has none.
void GoToAliyah(HWND window, int number);

// Goes to the next (+1) or previous (-1) aliyah: after the last maftir comes
// the next portion's first aliyah; back from inside an aliyah goes to its
// start. A beep outside the weekly portions.
void StepAliyah(HWND window, int delta);

// The command of an item of another reading's division (IDM_OTHER_DIVISION_FIRST
// and on), as the submenu last listed them.
void GoToOtherDivision(HWND window, int command);

// Selects the verses of the aliyah at the top row (or the division Go to
// Aliyah went to, while it is at the top); a beep when there is none or it
// runs into another article.
void SelectAliyah();

// Turns the aliyot's names beside the text on or off ("ShowAliyot"), with the
// text at the top kept there.
void ToggleShowAliyot(HWND window);

// The View menu's check mark of Show Aliyot.
void UpdateShowAliyotCheck(HWND window);

// Fills the Go to Aliyah submenu for the current article when it opens;
// other menus are left alone.
void UpdateAliyahMenu(HMENU popup);
