// The Search dialog: the search text typed in Hebrew from a Latin keyboard
// or by clicks on a keyboard picture, stored and searched on OK.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// Opens the modal dialog owned by owner; the edit uses the font settings
// given (the Reading view's).
void OpenSearchDialog(HWND owner, const FontSettings& font);

// The edit's replacement procedure and its installation; a refused
// installation ends the program after "SubclassWindow() error".
void SubclassSearchEdit(HWND edit);
LRESULT CALLBACK SearchEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Types ch as Hebrew (at the caret, or left of it where the edit holds visual
// order): 0 when it typed it, 1 when it left it (digits and control
// characters) to the edit.
int MapKeyToHebrew(HWND edit, WPARAM ch);

// A click at the dialog's client (x, y) on the keyboard picture types its cell.
void PictureHitTest(HWND dialog, int x, int y);
// Types the cell's letter (a space for 0); other numbers do nothing.
void InsertPictureLetter(HWND dialog, int cell);
