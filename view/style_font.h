// Fonts of the Reading view, one per style key, created on first use with a
// width table measured once, and deleted with their view.
#pragma once

#include <windows.h>

#include <cstdint>

#include "view/cluster_shaper.h"
#include "view/view_state.h"

struct StyleFont {
    StyleFont* next;
    HFONT font;
    uint16_t key;        // attribute & 0x1F, plus kPrintFontKey for printing's 8-point font
    WidthTable widths;
    ClusterShaper shaper;  // prepared on first selection for a Unicode font
};

constexpr unsigned kPrintFontKey = 0x1000;
constexpr unsigned kSelectWithColour = 0x100;  // SelectStyleFont also sets the text colour

// A font for a style key: face and size from the font settings, the size
// changed by the larger/smaller bits and kept within 4 to 1250 points (0
// stays the platform's default), weight 700 for bold. Points become pixels
// at dpi, or at the device's own dots per inch when dpi is 0. The Reading
// view, Choose Article and the Search box all make their fonts here.
HFONT CreateStyleFont(HDC dc, const FontSettings& settings, unsigned key, int dpi = 0);

// The dots per inch a view's fonts and pixel sizes are made for: its own, or
// its device's when it has none.
int ViewDpi(const ViewState& view);

// Selects the font of style & 0x101F into the view's device context, creating
// it on first use, measures its width table and prepares its shaper (for a
// Unicode font) when needed, and makes both the view's current ones. With kSelectWithColour (or 0x200) also sets the text colour: blue for
// headings, else black. Returns the font selected before.
HFONT SelectStyleFont(ViewState* view, unsigned style);

// Deletes every font of the view (none stay selected: callers restore first).
void DeleteStyleFonts(ViewState* view);

// Re-creates every font of the view from its current font settings, each
// with its own key; their tables become unmeasured and their shapers empty.
void RecreateStyleFonts(ViewState* view);

// Whether the view's font draws the marks of the layer (the body style's font).
bool ViewFontShowsLayerMarks(ViewState* view);
