// The colours of what the program draws itself (the Reading view, a search
// hit's banner, the Choose Article list): fixed ones, or, while the system
// asks for high contrast, the system's own. Wherever a view's text colour is
// set (SelectStyleFont's blue and black), these are the colours it means.
#pragma once

#include <windows.h>

struct ViewColours {
    COLORREF background;     // white; the window colour
    COLORREF text;           // black, also rules; the window text colour
    COLORREF heading;        // blue; the hot-light colour
    COLORREF hitText;        // blue on yellow; the highlight colours
    COLORREF hitBack;
    COLORREF selectionText;  // the highlight colours in both
    COLORREF selectionBack;
};

// The fixed colours, or the system's with systemColours.
ViewColours ColoursFor(bool systemColours);

// The brush of the background colour: the stock white brush, or the
// system's brush of the window colour. Neither is to be deleted.
HBRUSH BackgroundBrush(bool systemColours);

// The brush of the text colour, for rules: the stock black brush, or the
// system's brush of the window text colour. Not to be deleted.
HBRUSH TextBrush(bool systemColours);

// Whether the system asks for high contrast now.
bool SystemHighContrast();
