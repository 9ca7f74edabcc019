// The About box, dialog 103: the version, a picture and a link to the
// maker's home page.
#pragma once

#include <windows.h>

// Shows the About box modally, owned by owner. While one is open (F1 in it
// asks its owner for help again) no second one opens.
void ShowAboutBox(HWND owner);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
