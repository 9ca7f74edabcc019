// The main window's title, kept to the article shown and the aliyah at its
// top row.
#pragma once

#include <windows.h>

// Names the current article in the window's title, with the aliyah its top
// row belongs to and the other schedule's portion when this week's readings
// differ (MainWindowTitle), in the language of the user interface.
void ShowArticleInTitle(HWND window);

// Names the aliyah at the top row anew when the view's top row has moved into
// another one.
void FollowTopRowInTitle(HWND window);

// The number (1..8) of the aliyah of the current article that the Reading
// view's top row belongs to: the division Go to Aliyah put there while it
// stays, else the last one that begins in the top row or above it; 0 for
// none.
int AliyahAtTopRow();

// Whether the user interface speaks Hebrew, in which the title and what a
// screen reader hears name articles in Hebrew.
bool IsHebrewUserInterface();
