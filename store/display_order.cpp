// The order of display characters per surface; see the header.
#include "store/display_order.h"

DisplayMode DisplayModeFor(TextSurface surface, DisplayFont font, bool storedVisual) {
    DisplayMode mode{font.fontAsciiBase, false};
    if (surface == TextSurface::kMeasure) return mode;
    mode.reverse = PlatformReorders(font) ? storedVisual : font.reverseOption;
    return mode;
}

int DisplayCharsFor(TextSurface surface, DisplayFont font, bool storedVisual, const uint8_t* codes, int count,
                    std::vector<char16_t>& buffer) {
    return ToDisplayChars(codes, count, buffer, DisplayModeFor(surface, font, storedVisual));
}
