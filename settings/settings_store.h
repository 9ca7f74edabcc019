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

void SaveWindowPlacement(HWND window);
void RestoreWindowPlacement(HWND window, int launchShowCommand);

// The stored rectangle, brought onto a monitor as restoring brings it, when
// a width and a height are stored: the main window is created there, on the
// screen it was last on and at that screen's scale, so that no change of
// scale rescales the stored size once more on the way there. False when none
// is stored.
bool StoredWindowRect(RECT& rect);
