// Selecting verses with the mouse in the Reading view. A press that moves
// more than the system's drag distance selects whole verses, from the one
// under the press to the one under the pointer; a press released without
// moving so far is a click, which clears the selection and pages.
#pragma once

#include <windows.h>

// The left button's messages on the main window, in client coordinates. The
// press captures the mouse until its release.
void OnViewButtonDown(HWND window, int x, int y);
void OnViewMouseMove(HWND window, int x, int y);
void OnViewButtonUp(HWND window, int x, int y);

// The capture went to another window: the press ends, and the selection
// made so far stays.
void OnViewCaptureLost();

// Clears the selection and repaints the view; false when there was none.
bool ClearVerseSelection();
