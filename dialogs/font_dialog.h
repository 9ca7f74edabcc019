// The Choose Font dialog: a typeface, a size and where the typeface keeps the
// Hebrew letters, with a preview of the 27 letters.
#pragma once

#include <windows.h>

#include "settings/settings.h"

// Shows dialog 105 modally, owned by owner. 1 after OK, with the settings
// updated; 2 after Cancel, with them unchanged except that a FontAsciiBase of
// 0 has become 0x5D0 at opening. Applying them to the view is the caller's.
int ShowFontDialog(HWND owner, FontSettings& settings);

// Shows the letters of a base in the preview field, in the chosen face and
// size made small enough that all 27 fit.
void FillPreviewLetters(HWND dialog, int32_t base);

// Flags of RefreshFontChoice.
constexpr unsigned kCommitChoice = 1;     // write the choice into the settings
constexpr unsigned kFaceListChanged = 2;  // the face list's selection changed

// Reads the chosen face and size from the lists; commits them, or shows them
// in the preview in a font of the chosen size in points, at the dialog's
// scale, made smaller where the letters would not fit.
void RefreshFontChoice(HWND dialog, unsigned flags);

// Releases the dialog's list of typefaces.
void ReleaseFontList(HWND dialog);
