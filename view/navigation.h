// Putting an article into the Reading view: the first load when the main
// window is created, going to a chosen article, and stepping with wrap-around.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings.h"
#include "store/compression.h"
#include "store/verse_map.h"
#include "view/view_state.h"

// Opens the Reading view on the window in the font given (the chosen one,
// zoomed) with the current article. 0, or 1 when the view state cannot be
// created.
int OpenReadingView(HWND window, const FontSettings& font);

// Whether the Reading view names the aliyot of an article beside its text:
// a weekly portion's, while "Show Aliyot" is on.
bool ViewNamesAliyot(uint16_t article);

// Reads the marks layer of the view's article when its level (or a span's)
// shows the layer and the view has not read it for that article yet. A layer
// that is missing or belongs to another text leaves none: the view then shows
// the vowels. Memory that runs out leaves none as well.
void EnsureMarkLayer(ViewState* view);

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

// This week's portion on the other schedule (Israel or the diaspora) when the
// article shown is not it, else this week's here (OtherScheduleArticle). As
// GoToArticle.
int GoToOtherSchedule(HWND window);

// Opens a weekly portion (1..54) as a chosen article is opened, at the row
// of the first byte of the verse at index first in its list. One verse
// (last = first) is highlighted as a search hit is; of a verse that a
// paragraph mark cuts, the part before the mark. A range is selected, as a
// drag selects it, so that Copy gives it with its reference. False when the
// verses are not in the map or the article cannot be loaded, which changes
// nothing. Memory that runs out (std::bad_alloc) also leaves everything as it
// was.
bool GoToVerses(HWND window, int article, size_t first, size_t last);
