// Bookmarks of whole articles: the list in the program state, loaded at
// start-up and written back at exit, the Bookmark command with its removal
// box, the menu's check mark, and the group of rows the Choose Article window
// shows first.
#pragma once

#include <windows.h>

#include "store/compression.h"

// Reads the stored "Bookmarks" value. A missing value is an empty list; a
// value that cannot be read leaves the list unloaded, so the exit keeps it.
void LoadBookmarks();
// Writes the list (00 00 when empty) unless it was never loaded.
void SaveBookmarks();
void ReleaseBookmarks();

// These act on the current article, Lesson.
int IsBookmarked();
void AddBookmark();
void RemoveBookmark();

// The body of the Bookmark command: adds an article that is not bookmarked;
// removes one that is, after asking "Remove Bookmark?" unless the user said
// not to ask again in this run. Yes removes; No, Escape and the close box
// keep it; the "Don't ask again" box, with Yes or No, silences the question.
void ToggleBookmark(int isBookmarked);

// Checks the Bookmark menu item exactly when the current article is
// bookmarked. Called after the main window is created, after the Bookmark
// command and after every article load; a null window means the main window.
void UpdateBookmarkCheck(HWND window);

// The Article index with the bookmark group in front of it (see
// view/bookmark_list.h); takes the index and returns the text to lay out.
ArticleText PrependBookmarkGroup(ArticleText&& index);
