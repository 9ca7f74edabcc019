// Loading the settings at start-up and saving them at exit, and the main
// window's placement.
#pragma once

#include <windows.h>

// Fills the settings record from the registry (defaults where values are
// missing) and marks it loaded.
void ReadSettings();

// Writes the settings record back, skipping what is empty or 0, and
// LastPosition only withPosition (while the Reading view exists). Nothing is
// written before the record was read: an early exit must not overwrite it.
void WriteSettings(bool withPosition);

// The corner at which a window of this size is visible: unchanged when any
// part of it lies on a monitor, else inside the nearest monitor's work area.
POINT VisibleCorner(LONG x, LONG y, LONG width, LONG height);

void SaveWindowPlacement(HWND window);
void RestoreWindowPlacement(HWND window, int launchShowCommand);

// A window's place and size under value names of its own, "<name>Left",
// "<name>Top", "<name>Width" and "<name>Height", written when it closes. The
// size is kept in pixels at 96 dots per inch, so that the window comes back
// as large on a screen of another scale (dpi is the window's); a place on no
// monitor is moved onto the nearest. Restoring returns false, with the
// window untouched, when no size is stored.
void SaveWindowRect(HWND window, const char16_t* name, int dpi);
bool RestoreWindowRect(HWND window, const char16_t* name, int dpi);
// The stored rectangle, brought onto a monitor as restoring brings it, when
// a width and a height are stored: the main window is created there, on the
// screen it was last on and at that screen's scale, so that no change of
// scale rescales the stored size once more on the way there. False when none
// is stored.
bool StoredWindowRect(RECT& rect);
