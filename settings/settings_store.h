// Loading the settings at start-up and saving them at exit, and the main
// window's placement.
#pragma once

#include <windows.h>

// Fills the settings record from the registry (defaults where values are
// missing) and loads the Choose Section window's bitmaps.
void LoadSettings();

// Writes the settings back, releases what they hold, destroys the Reading view
// and posts the quit message with exit code 0.
void SaveSettingsAndQuit();

void SaveWindowPlacement(HWND window);
void RestoreWindowPlacement(HWND window, int launchShowCommand);
