// Where a dialog opens: over the window that owns it, as message boxes do.
#pragma once

#include <windows.h>

// Centres a dialog on its owner, kept inside the work area of the owner's
// monitor. Nothing happens for a dialog without an owner.
void CentreOnOwner(HWND dialog);
