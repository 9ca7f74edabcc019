// The levels of the text on the View menu: Letters Only, Vowels, and Vowels
// and Cantillation. The stored level is the user's choice; the view shows it,
// or the vowels where its font cannot show the marks of the cantillation.
#pragma once

#include <windows.h>

#include "store/hebrew_marks.h"

// Stores the level, shows it in the Reading view (a repaint: the rows stay
// as they are) and on the menu.
void ChooseTextLevel(HWND window, TextLevel level);

// The level the Reading view shows.
TextLevel ShownTextLevel();

// Checks the shown level's item; the cantillation item is greyed, and says
// why, while the display font cannot show the marks.
void UpdateLevelMenu(HWND window);
