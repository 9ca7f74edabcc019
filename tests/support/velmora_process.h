// Running the real Velmora.exe from a test: start it, find its main window,
// drive it with messages, close it and learn its exit code.
#pragma once

#include <windows.h>

#include <string>

struct VelmoraRun {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

// Velmora asks for the display font when "FontName" is not set. A seeded
// start first gives the settings key a Hebrew TrueType face and a size when
// "FontName" is missing or empty, so that no dialog waits for an answer; a
// first start leaves the key alone.
enum class FontStart { Seeded, FirstStart };

// Starts a program by its command line, without waiting for anything. For
// Velmora.exe's command line the display font is seeded as asked.
bool LaunchProgram(std::wstring commandLine, PROCESS_INFORMATION& process, int showCommand = SW_SHOWNORMAL,
                   FontStart font = FontStart::Seeded);

// The command line of Velmora.exe in the test program's folder.
std::wstring VelmoraCommandLine();

// Starts Velmora.exe from the test program's folder with a show command and
// waits for its main window (found by its class, "Velmora"). False on timeout.
// On a first start the window comes with the "Choose Font" dialog over it.
bool StartVelmora(VelmoraRun& run, int showCommand = SW_SHOWNORMAL, FontStart font = FontStart::Seeded);

// Starts Velmora from another command line (an installed copy, say) and waits
// for its main window in the same way. Its display font is the caller's to set.
bool StartVelmoraAt(VelmoraRun& run, std::wstring commandLine, int showCommand = SW_SHOWNORMAL);

// The seeded display font.
inline constexpr wchar_t kSeededFontName[] = L"Ezra SIL";
constexpr DWORD kSeededFontSize = 20;

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
