// The main window's toolbar: seven buttons whose pictures are drawn for the
// window's screen.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Records the window as the dialogs' owner, creates the toolbar with its
// pictures for program.dpi, then opens the Reading view below it.
void CreateMainToolbar(HWND window);

// Gives the toolbar the pictures drawn for dpi, buttons to fit them, and its
// new height; the pictures it had are deleted.
void ScaleToolbar(int dpi);

// Destroys the toolbar and its pictures.
void DestroyMainToolbar();
