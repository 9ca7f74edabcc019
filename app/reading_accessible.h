// The Reading view for a screen reader: the main window's client area is a
// read-only document named after the portion and the verses on the screen,
// whose value is the text of those verses.
#pragma once

#include <windows.h>

// WM_GETOBJECT of the main window.
LRESULT OnReadingViewGetObject(HWND window, WPARAM wParam, LPARAM lParam);
