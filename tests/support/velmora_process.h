// Running the real Velmora.exe from a test: start it, find its main window,
// drive it with messages, close it and learn its exit code.
#pragma once

#include <windows.h>

#include <string>

struct VelmoraRun {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Starts a program by its command line, without waiting for anything.
bool LaunchProgram(std::wstring commandLine, PROCESS_INFORMATION& process, int showCommand = SW_SHOWNORMAL);

// The command line of Velmora.exe in the test program's folder.
std::wstring VelmoraCommandLine();

// Starts Velmora.exe from the test program's folder with a show command and
// waits for its main window (the class and title "Velmora"). False on timeout.
bool StartVelmora(VelmoraRun& run, int showCommand = SW_SHOWNORMAL);

// Starts another copy and waits for it to end; its exit code, or STILL_ACTIVE
// when it did not end in time.
DWORD RunSecondCopy();

// Sends a command as the menu would, and waits until it was handled.
void SendCommand(const VelmoraRun& run, int command);
void SendKey(const VelmoraRun& run, int virtualKey);

// Presses a key with Ctrl held through the system's input, as the user
// would; it reaches the program's accelerators when its window is in front.
void PressWithControl(WORD key);

// Brings the window to the front, presses Ctrl+Q and waits for the process to
// end. Returns its exit code (STILL_ACTIVE on timeout; the process is then
// killed).
DWORD QuitWithCtrlQ(VelmoraRun& run);

// Closes the window with the Exit command and waits for the process to end.
// Returns its exit code (STILL_ACTIVE on timeout; the process is then killed).
DWORD StopVelmora(VelmoraRun& run);

// Ends the process without its shut-down (clean-up after a failed test).
void KillVelmora(VelmoraRun& run);
