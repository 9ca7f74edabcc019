// What the layout needs to know about fonts: the metrics and width table of a
// style, and the fitting of left-to-right text. The platform layer implements
// it over the view's device context; tests implement it with fixed widths.
#pragma once

#include <cstdint>

#include "store/article_text.h"

// Metrics of the font of one style.
struct StyleMetrics {
    int rowHeight = 0;                  // the font's tmHeight, or the height its tallest stack of marks needs
    int maxCharWidth = 0;               // the font's tmMaxCharWidth
    const WidthTable* widths = nullptr; // the font's width table, for right-to-left text
    int leftRoom = 0;                   // kept free inside the box's edges for marks beyond a letter
    int rightRoom = 0;
};

class LayoutMeasurer {
public:
    virtual ~LayoutMeasurer() = default;
    // Selects the font of a style key (attribute & 0x1F), creating it on first
    // use, and makes its width table current. The implementation puts the
    // previously selected font back itself when it goes out of scope.
    virtual StyleMetrics SelectStyle(unsigned style) = 0;
    // Fits left-to-right text in the current font: on entry width is the limit
    // and count the most bytes to take; on return count is the number of bytes
    // that fit and width their total width. Stops at a zero byte.
    virtual void FitLeftToRight(const uint8_t* text, int& width, int& count) = 0;
};
