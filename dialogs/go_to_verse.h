// The Go to Verse dialog: a reference typed in English or Hebrew opens the
// weekly portion that holds the verse, with the verse at the top; a range of
// verses opens at its first verse, selected.
#pragma once

#include <windows.h>

// Opens the modal dialog, centred on its owner. A reference that does not
// read, names no verse of the weekly portions, or whose portion cannot be
// opened keeps it open with a short message under the edit that says which,
// and changes nothing.
void OpenGoToVerseDialog(HWND owner);
