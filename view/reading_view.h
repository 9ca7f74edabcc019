// The Reading view on a device context: its creation and destruction, and
// the operations the main window calls.
#pragma once

#include <windows.h>

#include "view/view_state.h"

// A view on dc with the box (or none), a copy of the font settings and room
// for rowCapacity rows; none when memory runs out.
ViewState* CreateView(HDC dc, const RECT* box, const FontSettings& font, int rowCapacity);

// Releases the text, the rows and every font; deletes the record when asked.
void DestroyView(ViewState* view, bool freeRecord);
