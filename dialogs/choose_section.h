// The Choose Article window: the Article index, with the bookmarks first, as
// a collapsible list from which the user picks an article.
#pragma once

#include <windows.h>

#include <cstdint>

#include "settings/settings.h"

// Shows the window modally over the main window and returns the article whose
// row was clicked, the current article when closed with Enter (OK), and 0 when
// closed with Escape or the close box (Cancel). Titles are drawn in the font
// settings given, an 8-bit font's following the Reverse option.
uint16_t ShowChooseSection(HWND mainWindow, uint16_t current, const FontSettings& font, bool reverseOption);
