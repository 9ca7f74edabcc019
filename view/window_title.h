// The main window's title, kept to the article shown.
#pragma once

#include <windows.h>

// Names the current article in the window's title, with the other
// schedule's portion when this week's readings differ (MainWindowTitle), in
// the language of the user interface.
void ShowArticleInTitle(HWND window);

// Whether the user interface speaks Hebrew, in which the title and what a
// screen reader hears name articles in Hebrew.
bool IsHebrewUserInterface();
