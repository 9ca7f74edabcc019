// The library search as the program runs it: from the Search dialog and for
// "Search Again".
#pragma once

#include <windows.h>

#include "dialogs/search_walk.h"

// Finds the next hit of SearchString after the one shown (or from the top
// row), through the rest of the library and back to the shown article's
// beginning, and shows it: its article loaded when it lies in another, its row
// at the top, highlighted, with the banner. 1 when a hit was shown; 0 for an
// empty search text, or after "Not Found!" owned by owner.
int SearchAgain(HWND owner);

// Shows a hit found by the walk: another article's text becomes the current
// article first. 1 when shown; 0 when the view refuses that text, which
// leaves the shown article, Lesson and Flags as they were.
int ShowSearchHit(LibraryHit& found);
