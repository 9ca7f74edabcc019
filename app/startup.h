// Start-up: the system check, the single-instance hand-over and the creation
// of the main window.
#pragma once

#include <windows.h>

// True on the Windows 95/98/ME line, which the program refuses.
bool IsRefusedSystem();

void RegisterMainClass(HINSTANCE instance, const wchar_t* className);

// The main window, shown and placed; none when another copy runs (it was
// handed over to) or the window could not be created.
HWND CreateMainWindow(int showCommand);

// The running copy's main window, or none.
HWND FindRunningCopy();

// Hands over to a running copy: This Week when its main window is in front,
// otherwise brings it to the front (restored, when it is minimized).
void HandOverToRunningCopy(HWND running);
