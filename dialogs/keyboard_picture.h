// The Search dialog's keyboard picture for a screen reader.
#pragma once

#include <windows.h>

// The picture control answers as a graphic named "Hebrew keyboard", whose
// value is its letters row by row in reading order: what a click types.
void MakeKeyboardPictureAccessible(HWND picture);
