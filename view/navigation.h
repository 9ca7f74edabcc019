// Putting an article into the Reading view: the first load when the main
// window is created, going to a chosen article, and stepping with wrap-around.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings.h"
#include "store/compression.h"
#include "store/verse_map.h"

// Opens the Reading view on the window in the font given (the chosen one,
// zoomed) with the current article. 0, or 1 when the view state cannot be
// created.
int OpenReadingView(HWND window, const FontSettings& font);

// Makes an article (0: This Week) the current one and lays out its text
// (loaded for it when text is empty) in place of the view's, at its top row;
// nothing is painted. False when it cannot be loaded or the view refuses it:
// the shown article, Lesson, Flags and LastPosition then stay as they were.
bool MakeCurrentArticle(uint16_t article, ArticleText&& text);

// Article 0 means This Week. 0 on success, after a repaint and the Bookmark
// check mark; 1 when the article cannot be loaded, which leaves the shown
// article, Lesson and Flags as they were.
int GoToArticle(HWND window, uint16_t article);

int StepArticle(HWND window, int delta);
int NextArticle(HWND window);
int PreviousArticle(HWND window);

// Opens the weekly portion that holds a verse (as FindVerse places it) as a
// chosen article is opened, scrolls the row of the verse's first byte to the
// top and highlights the verse as a search hit is; of a verse that a
// paragraph mark cuts, the part before the mark. False when the place is not
// in the map or the article cannot be loaded, which changes nothing. Memory
// that runs out (std::bad_alloc) also leaves everything as it was.
bool GoToVerse(HWND window, VersePlace place);
