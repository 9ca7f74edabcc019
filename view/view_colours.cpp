// The fixed colours of the program's own drawing and their stand-ins from
// the system's colour scheme under high contrast.
#include "view/view_colours.h"

namespace {

constexpr ViewColours kFixedColours{
    RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 255), RGB(0, 0, 255), RGB(255, 255, 0), 0, 0,
};

}  // namespace

ViewColours ColoursFor(bool systemColours) {
    ViewColours colours = kFixedColours;
    colours.selectionText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colours.selectionBack = GetSysColor(COLOR_HIGHLIGHT);
    if (!systemColours) return colours;
    colours.background = GetSysColor(COLOR_WINDOW);
    colours.text = GetSysColor(COLOR_WINDOWTEXT);
    colours.heading = GetSysColor(COLOR_HOTLIGHT);
    colours.hitText = colours.selectionText;
    colours.hitBack = colours.selectionBack;
    return colours;
}

HBRUSH BackgroundBrush(bool systemColours) {
    return systemColours ? GetSysColorBrush(COLOR_WINDOW) : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

HBRUSH TextBrush(bool systemColours) {
    return systemColours ? GetSysColorBrush(COLOR_WINDOWTEXT) : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

bool SystemHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}
