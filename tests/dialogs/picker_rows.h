// The height of the Choose Section window's rows in the test font
// (UseTestFont: Ezra SIL, 20 points unless another size is given), as its
// fonts make them on a screen of 96 dots per inch.
#pragma once

#include <windows.h>

#include "settings/settings.h"
#include "store/article_text.h"
#include "view/style_font.h"

inline int PickerRowHeight(unsigned style, int size) {
    FontSettings font{u"Ezra SIL", size, 0x5D0};
    HDC dc = GetDC(nullptr);
    HFONT created = CreateStyleFont(dc, font, style, 96);
    HGDIOBJ previous = SelectObject(dc, created);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(created);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

// Plain rows (articles, the bookmark group) and the larger, bold headings.
inline int PickerPlainRowHeight(int size = 20) { return PickerRowHeight(0x01, size); }
inline int PickerHeadingHeight(int size = 20) { return PickerRowHeight(kAttrBold | kAttrLarger, size); }
