// The Choose Article window's list on its device context: fonts per style
// key, the measurer the layout uses, painting and the scroll bar.
#pragma once

#include <windows.h>

#include "dialogs/picker_list.h"
#include "view/accessible_object.h"

struct PickerFont {
    PickerFont* next;
    HFONT font;
    unsigned key;  // attribute & 0x1F
};

// Selects the font of a style key into the state's device context, creating
// it on first use: the face of the font settings, the size value used as a
// cell height in pixels at 96 dots per inch (5/4 of it for the larger key,
// 6/8 for the smaller), bold for key 0x08. With setColour the text colour becomes blue for keys with both
// 0x04 and 0x08, else black. Returns the font selected before.
HFONT SelectPickerFont(PickerState& state, unsigned key, bool setColour);
void DeletePickerFonts(PickerState& state);

// LayoutPickerRows measuring with the state's fonts; the font selected
// before is put back.
int LayoutPickerRows(PickerState& state, ArticleText&& text);

// The rows' icons, bitmaps 201..203: a closed heading, an open one, any other
// row; as drawn for a screen of dpi.
struct PickerIcons {
    HBITMAP closed = nullptr;
    HBITMAP open = nullptr;
    HBITMAP page = nullptr;
};
PickerIcons LoadPickerIcons(int dpi);
void DeletePickerIcons(PickerIcons& icons);

// Draws the rows that fit from topRow, each with its icon (a missing one
// leaves its place empty); with erase the box is cleared first. Fonts and
// text colour are put back.
void PaintPicker(PickerState& state, const PickerIcons& icons, bool erase);

// Range 0..maxTop and position topRow; no bar at all when maxTop is 0.
void UpdatePickerScrollBar(HWND window, const PickerState& state);

// The list of an open Choose Article window; none before its opening and
// after its closing.
PickerState* WindowPicker(HWND window);

// What the window answers a screen reader: an outline of the shown entries.
extern const AccessibleParts kPickerAccessible;

// The focused entry's number among the outline's items (from 1), 0 for none.
long PickerFocusItem(PickerState& state);
