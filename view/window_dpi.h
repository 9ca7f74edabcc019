// The dots per inch of the screen a window is on, system metrics and the
// program's pictures for them.
#pragma once

#include <windows.h>

// The window's dots per inch: its monitor's where the system says (Windows 10
// from version 1607), else the screen's.
int WindowDpi(HWND window);

// A system metric (GetSystemMetrics) at dpi, where the system can scale it,
// else at the screen's dots per inch.
int SystemMetricForDpi(int index, int dpi);

// A distance the system keeps in pixels of 96 dots per inch (the drag
// distance, SM_CXDRAG), at dpi. Where the system cannot tell the metric for
// a scale it is the screen's already, and dpi is the screen's.
int SystemDistanceForDpi(int index, int dpi);

// The bitmap drawn for dpi (ScaledBitmapId at ArtScaleForDpi), or none. The
// caller deletes it.
HBITMAP LoadBitmapForDpi(HINSTANCE instance, int id, int dpi);

// A bitmap's width and height, 0 for none.
SIZE BitmapSize(HBITMAP bitmap);

// The one answer to WM_DPICHANGED, for every window and dialog: the window
// takes the rectangle the system suggests (lParam), and the new dots per
// inch (wParam) are returned, for the window to make what it draws at that
// scale again, with the same function it uses when it opens.
int FollowScaleChange(HWND window, WPARAM wParam, LPARAM lParam);
