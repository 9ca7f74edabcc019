// The font chooser's list of faces, drawn by the dialog: each face by name,
// and beside those whose cantillation marks have ink a note, so that the user
// sees which faces show the marks.
#pragma once

#include <windows.h>

#include "dialogs/font_list.h"

// The note drawn beside a face that shows the cantillation.
constexpr wchar_t kCantillationNote[] = L"\u266A";

// A row as tall as the dialog's font needs.
void MeasureFaceRow(HWND dialog, MEASUREITEMSTRUCT& item);

// Draws a row of the face list: its name in the list's colours, and the note
// when the face (looked up in faces, measured on first sight) shows the marks.
void DrawFaceRow(const DRAWITEMSTRUCT& item, FontList& faces);
