// What the banner after a search hit shows and where: the article's heading
// and title records, and the box centred at the bottom of the Reading view.
#pragma once

#include <cstdint>

#include "store/compression.h"

// A record's text in the article, or none (text null, count 0).
struct RecordText {
    const uint8_t* text = nullptr;
    int count = 0;
};

struct TitleRecords {
    RecordText heading;  // the first record, when its attribute is 0xDC
    RecordText title;    // the record after the heading (or the first), when its attribute is 0xD1
};

TitleRecords FindTitleRecords(const ArticleText& text);

struct BannerBox {
    int left, top, right, bottom;
};

// The frame's rings from the outside in, each as wide as given: red, white
// and blue, 2, 1 and 2 pixels at 96 dots per inch.
struct BannerRings {
    int red, white, blue;
};
BannerRings BannerRingsForDpi(int dpi);

// The box for lines text lines of lineHeight, widest textWidth wide, in the
// view's box, for a screen of dpi: centred, its rings around the lines, wider
// than the text by 2h and the rings less 2 pixels but no wider than the view,
// its bottom 2 pixels above the view's (8, 12 and 2 pixels at 96 dots).
BannerBox PlaceBanner(int viewLeft, int viewTop, int viewWidth, int viewHeight, int lines, int lineHeight,
                      int textWidth, int dpi);

// The banner moved to the top of the view when it would cover the rows from
// clearTop to clearBottom (a search hit's), 2 pixels at 96 dots below the
// view's top; unchanged when it covers none of them, or would there too.
BannerBox KeepBannerClear(BannerBox box, int viewTop, int clearTop, int clearBottom, int dpi);
