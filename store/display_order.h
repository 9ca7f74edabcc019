// The one place that decides in which order the characters of stored codes
// reach a surface. Right-to-left text is stored in visual order; whether it
// must be turned round depends on who lays the characters out: the platform
// reorders Unicode Hebrew by its bidirectional rules, draws 8-bit letters
// left to right as given, and another program reads exported text in reading
// order. Callers pass the font settings of the view or dialog at hand.
#pragma once

#include <cstdint>
#include <vector>

#include "store/article_text.h"

enum class TextSurface {
    kMeasure,      // fitted from the first code on: the order of the codes as given
    kPlatformRun,  // one text call or an edit control, which applies the platform's bidirectional rules
    kExport,       // text for another program, read in reading order
};

// The display font of the window at hand: where it keeps alef, and whether
// that window applies the Reverse option.
struct DisplayFont {
    int fontAsciiBase = kUnicodeAsciiBase;
    bool reverseOption = false;
};

// Whether the platform's text calls lay this font's characters out right to
// left themselves (Unicode Hebrew); placing codes in cells one by one is then
// the only way to keep each point on its letter.
inline bool PlatformReorders(DisplayFont font) { return font.fontAsciiBase == kUnicodeAsciiBase; }

// The conversion that gives the characters in the surface's order: codes
// stored in visual order are turned round for a reordering platform run and
// for export with a Unicode font; with an 8-bit font the Reverse option alone
// decides (never for FontAsciiBase 97); a measurement keeps the given order.
DisplayMode DisplayModeFor(TextSurface surface, DisplayFont font, bool storedVisual);

// Converts count codes (stopping at a zero) into buffer, zero-terminated, in
// the surface's order. Returns the count adjustment of ToDisplayChars; the
// buffer is empty when memory ran out.
int DisplayCharsFor(TextSurface surface, DisplayFont font, bool storedVisual, const uint8_t* codes, int count,
                    std::vector<char16_t>& buffer);
