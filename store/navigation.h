// Putting an article into the Reading view: the first load when the main
// window is created, going to a chosen article, and stepping with wrap-around.
#pragma once

#include <windows.h>

#include <cstdint>

// 0, or 1 when the view state cannot be created.
int OpenReadingView(HWND window);

// Article 0 means This Week. 0 on success; 1 when the article cannot be
// loaded, which leaves the shown article, Lesson and Flags as they were.
int GoToArticle(HWND window, uint16_t article);

int StepArticle(HWND window, int delta);
int NextArticle(HWND window);
int PreviousArticle(HWND window);
