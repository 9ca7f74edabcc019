// Driving a modal dialog: finding it by its caption, and, for a dialog that
// the test's own thread opens, driving it from a second thread while the
// first one runs the dialog's loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

// A dialog (class "#32770") with this caption owned by a process or by a
// thread, or none.
HWND FindProcessDialog(DWORD processId, const wchar_t* caption);
HWND FindThreadDialog(DWORD threadId, const wchar_t* caption);

// Runs open on this thread. When this thread shows a dialog with the caption,
// drive gets it on another thread and returns the command (IDOK, IDCANCEL)
// that is then posted to close it. Returns what open returned.
intptr_t WithModalDialog(const wchar_t* caption, const std::function<intptr_t()>& open,
                         const std::function<int(HWND dialog)>& drive);
