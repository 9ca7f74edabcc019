// The Go to Verse dialog: a reference typed in English or Hebrew opens the
// weekly portion that holds the verse, with the verse at the top.
#pragma once

#include <windows.h>

// Opens the modal dialog owned by owner. A reference that does not read or
// names no verse of the weekly portions keeps it open with a short message
// under the edit, and changes nothing.
void OpenGoToVerseDialog(HWND owner);
