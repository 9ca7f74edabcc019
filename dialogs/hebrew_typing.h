// Hebrew typing in the Search dialog, apart from the window: the Latin keys
// of the Israeli layout, the cells of the keyboard picture, and turning the
// edit's text into a stored search text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/display_order.h"

// What a typed character becomes with Hebrew typing on: its letter (alef at
// fontAsciiBase) or punctuation from the key table, ASCII capitals as their
// small keys; any other character itself. None (0) for digits and control
// characters, which the edit handles itself.
char16_t HebrewForKey(char16_t ch, int fontAsciiBase);

// The keyboard picture: three rows of nine cells of 17 x 25 pixels, numbered
// from 1 at the top right, and the space bar below them (cell 0).
constexpr int kPictureWidth = 154;
constexpr int kPictureHeight = 95;
constexpr int kPictureCellWidth = 17;
constexpr int kPictureCellHeight = 25;
constexpr int kNoCell = -1;

// The cell at (px, py) relative to the picture's top-left corner, or kNoCell,
// in the picture as drawn at artPercent (kArtScales): a point inside a cell's
// drawing, its lines and letters, finds that cell.
int PictureCellAt(int px, int py, int artPercent = 100);

// What a cell types: a space for cell 0, else its letter at fontAsciiBase;
// 0 for numbers that are no cell.
char16_t PictureCellChar(int cell, int fontAsciiBase);

// The edit's text as a stored search text, at most max bytes without the
// zero byte: letters at fontAsciiBase become the letter codes, the Unicode
// forms with dagesh or dots their codes, runs of spaces one space; pasted
// vowel points are dropped and any other unit above 0xFF becomes a code that
// matches nothing. Other units are kept as their own bytes.
std::string StoreSearchText(const char16_t* units, size_t count, int fontAsciiBase, size_t max);

// The edit keeps the search text in the order its font's characters are laid
// out in: in reading order where the platform lays Unicode Hebrew out right
// to left itself (typing then goes in at the caret as in any edit), and in
// the stored visual order for an 8-bit font.
bool EditHoldsReadingOrder(DisplayFont editFont);

// A stored search text (count bytes, visual order) as the edit shows it;
// empty when memory runs out.
std::u16string SearchTextForEdit(const char* stored, size_t count, DisplayFont editFont);

// The edit's text as a stored search text of at most max bytes: turned back
// into visual order where SearchTextForEdit turned it round, then stored as
// StoreSearchText does.
std::string SearchTextFromEdit(const char16_t* units, size_t count, DisplayFont editFont, size_t max);

// A FontAsciiBase as the typing uses it: every letter it types is a 16-bit
// unit above zero.
int TypingAsciiBase(int fontAsciiBase);
