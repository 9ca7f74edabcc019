// Under Wine, an edit control lays its lines out with Wine's own shaper,
// asking it for font linking, and the shaper then looks characters' codes up
// as glyph numbers. When a left-to-right run begins with a code that the
// font's GPOS table attaches to the glyph before it as a mark, the shaper
// reads before the first glyph and the program ends: Shofar's marks have the
// numbers of most small Latin letters, f to z. The edits that show the
// reader's font therefore take no such character there (nor one whose own
// glyph is such a mark); elsewhere every character passes.
#pragma once

#include <windows.h>

#include <string>

// Whether the program runs under Wine, whose controls differ in the ways
// these checks and their callers meet.
bool UnderWine();

// The text without the characters the edit's font cannot show there.
std::u16string ShowableInEdit(HWND edit, std::u16string text);

// For WM_CHAR, WM_IME_CHAR and WM_PASTE to the edit: true when the message
// is taken care of here, as the character cannot be shown (a beep) or the
// clipboard's text could only be pasted without some of its characters.
bool RefuseUnshowable(HWND edit, UINT message, WPARAM wParam);

// Gives an edit of a dialog that check on typing and pasting.
void GuardEdit(HWND edit);
