// Start-up: the system check, the single-instance hand-over and the creation
// of the main window.
#pragma once

#include <windows.h>

// True on the Windows 95/98/ME line, which the program refuses; false when
// the version cannot be learnt. getVersion stands in for GetVersionExA.
using VersionSource = BOOL(WINAPI*)(OSVERSIONINFOA*);
bool IsRefusedSystem(VersionSource getVersion = nullptr);

// The message loop: accelerators first, then translation and dispatch, until
// the quit message (its wParam is returned) or a failure of GetMessageW
// (kMessageLoopFailed). next stands in for GetMessageW.
using MessageSource = BOOL (*)(MSG*);
constexpr int kMessageLoopFailed = 1;
int RunMessageLoop(HACCEL accelerators, MessageSource next = nullptr);

// After the message loop: a main window still open (the out-of-memory path
// posts the quit without closing it) is closed now, which saves the
// placement and the settings as every exit does. Returns the exit code.
int EndRun(int exitCode);

void RegisterMainClass(HINSTANCE instance, const wchar_t* className);

// The main window, shown and placed; none when another copy runs (it was
// handed over to) or the window could not be created.
HWND CreateMainWindow(int showCommand);

// The settings record and the bookmarks, read at start-up.
void LoadSettings();

// The one exit routine, run when the main window is destroyed: writes the
// settings (with the Reading view's top row as LastPosition while it exists)
// and the bookmarks, destroys the Reading view and posts the quit message
// with exit code 0.
void SaveSettingsAndQuit();

// The running copy's main window (found by its class), or none.
HWND FindRunningCopy();

// Hands over to a running copy: This Week when its main window is in front,
// otherwise brings it to the front (restored, when it is minimized).
void HandOverToRunningCopy(HWND running);
