// The Reading view's context menu: what applies to the text where the user
// points, or, from the keyboard, to the text on the screen.
#pragma once

#include <windows.h>

// Shows the menu at a screen point (a right click), or, for none (Shift+F10,
// the Menu key), at the top right of the text, and carries out the chosen
// item: Copy and Append (of the selected verses when there are any), Select
// Verse (the one under the point, or the first on the screen), Go to Verse,
// Bookmark (checked while the article is bookmarked) and Search.
void ShowViewContextMenu(HWND window, const POINT* screenPoint);
