// Practice mode in the main window: View › Practice (F8) and its choice of
// what the words not yet revealed show, the steps from the menu and their
// keys (Space, Shift+Space, Backspace, Tab, Shift+Tab, Escape), and
// everything shown while Shift+F8 is held.
#pragma once

#include <windows.h>

#include "view/practice.h"

// Turns practice mode on (at the place kept for the article, else at the
// first verse on the page) or off, which ends the round.
void TogglePractice(HWND window);

// Leaves practice mode, when it is on.
void EndPractice(HWND window);

// What the words not yet revealed show: the letters alone (kLettersOnly) or
// with the vowels (kVowels). Stored as "PracticeLevel".
void ChoosePracticeLevel(HWND window, TextLevel level);

// A step from the menu or a key; a beep when it changes nothing.
void RunPracticeStep(HWND window, PracticeStep step);

// Shows everything while set, the round's words at the practice level again
// after.
void ShowEverything(HWND window, bool shown);

// A key pressed or released on the main window while practising; true when
// practice took it (Escape ends the round and goes on to the view).
bool OnPracticeKeyDown(HWND window, WPARAM key, LPARAM flags);
bool OnPracticeKeyUp(HWND window, WPARAM key);

// The View menu's practice items: the check marks and the steps, greyed while
// practice is off.
void UpdatePracticeMenu(HWND window);
