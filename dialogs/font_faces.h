// The typefaces of the system as the font chooser and the first start see
// them: every face, once, and whether a face draws the Hebrew letters.
#pragma once

#include <windows.h>

#include "dialogs/font_list.h"
#include "settings/settings.h"

// The callback of EnumFontsW: adds a face to the FontList that user points
// to (see AddReportedFace). 0 ends the enumeration when memory for the
// entries runs out, else 1.
int CALLBACK EnumFontEntry(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD fontType, LPARAM user);

// Adds every typeface the system reports on dc to list.
void EnumerateFaces(HDC dc, FontList& list);

// Whether the face itself, not a stand-in the system would take for it, has
// a glyph for each of the 27 letters from base on.
bool FaceDrawsLetters(HDC dc, const char16_t* face, int32_t base);

// Whether the face itself draws, with ink, the marks of the cantillation.
bool FaceShowsCantillation(HDC dc, const char16_t* face);

// On a first start, before anything is drawn: a face that draws the Hebrew
// letters, and the cantillation where one does (see FirstStartFace), a size
// that reads well and the Unicode base,
// each where the settings have none. False, with nothing changed, when the
// system has no such face.
bool ChooseFirstStartFont(FontSettings& font);

// Gives the settings the fallback's face and base when their face does not
// draw the letters of their base.
void KeepAFaceThatDrawsHebrew(FontSettings& font, const FontSettings& fallback);

// Releases the list's blocks.
void ReleaseFaces(FontList& list);
