// Telling screen readers what happens in the Reading view.
#pragma once

#include <windows.h>

#include "view/view_state.h"

// After a paint of the main window's view: when what it shows changed (a new
// top row, article, layout or font) its name and value changed too.
void NoteViewShown(const ViewState& view);

// The view has the keyboard focus.
void NoteViewFocused(HWND window);
