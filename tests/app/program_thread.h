// The real program on a thread of the test's own process: its entry's steps
// and message loop, so that the test can walk the heaps and count the GDI
// objects and windows the program holds, while it drives the program from
// its own thread with messages as from outside.
#pragma once

#include <windows.h>

struct ProgramThread {
    HANDLE thread = nullptr;  // signalled when the message loop has ended
    DWORD threadId = 0;
    HWND window = nullptr;
};

// Starts the program from what the registry holds and waits for its main
// window. False when the window did not come; the thread has ended then.
bool StartProgramThread(ProgramThread& run);

// Exits through the Exit command and waits for the loop to end. Returns the
// loop's exit code, or STILL_ACTIVE when it did not end in time.
DWORD StopProgramThread(ProgramThread& run);
