// The About box, dialog 103: the version, a picture and a link to the
// maker's home page.
#pragma once

#include <windows.h>

// Shows the About box modally, owned by owner. While a modal box is open over
// the owner (F1 inside it asks the owner for help) no About box opens.
void ShowAboutBox(HWND owner);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
