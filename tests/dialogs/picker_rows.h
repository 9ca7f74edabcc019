// The height of Choose Article's rows in the test font (UseTestFont: Ezra
// SIL) at a size, as its fonts make them at 96 dots per inch: plain rows, or
// the larger, bold headings.
#pragma once

#include <windows.h>

#include "store/article_text.h"
#include "view/style_font.h"

inline int PickerRowHeight(int size, bool heading = false) {
    HDC dc = GetDC(nullptr);
    HFONT font = CreateStyleFont(dc, FontSettings{u"Ezra SIL", size, 0x5D0}, heading ? kAttrBold | kAttrLarger : 1, 96);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    DeleteObject(SelectObject(dc, previous));
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}
