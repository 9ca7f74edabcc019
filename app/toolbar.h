// The main window's toolbar: seven buttons whose pictures are drawn for the
// window's screen, each with a tooltip naming its command and key.
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

// The tooltip of a button: its command's name and key; none for others.
const wchar_t* ToolbarTipText(int command);

// Answers a toolbar tooltip's request for its text. TRUE when it was one.
LRESULT OnToolbarNotify(NMHDR* header);
