// Selecting verses with the mouse in the Reading view. A press that moves
// more than the system's drag distance selects whole verses, from the one
// under the press to the one under the pointer, and scrolls while the pointer
// stays beyond the top or bottom of the text; a press released without moving
// so far is a click, which clears the selection or, when there is none,
// pages. A double click selects the verse under the pointer, on the page the
// first click was on; a Shift+click extends the selection.
#pragma once

#include <windows.h>

// The left button's messages on the main window, in client coordinates. The
// press captures the mouse until its release; extend is Shift held.
void OnViewButtonDown(HWND window, int x, int y, bool extend);
void OnViewMouseMove(HWND window, int x, int y);
void OnViewButtonUp(HWND window, int x, int y);
void OnViewDoubleClick(HWND window, int x, int y);

// The capture went to another window: the press ends, and the selection
// made so far stays.
void OnViewCaptureLost(HWND window);

// The timer that scrolls a drag held beyond the text's top or bottom, a row
// at each tick; an id of the program's own command range, so that no other
// timer of the main window shares it.
constexpr UINT_PTR kEdgeScrollTimer = 40250;

// That timer's tick; false for other timers.
bool OnViewTimer(HWND window, UINT_PTR timer);

// Ends a press without selecting anything more: the text it lay in is gone.
void EndViewPress();

// Selects the verse under a point of the client area (or, beside the text,
// the nearest one), repainting the view; false when there is none.
bool SelectVerseAt(int x, int y);

// Selects the first verse that the rows on the screen hold.
bool SelectFirstShownVerse();

// Clears the selection and repaints the view; false when there was none.
bool ClearVerseSelection();
