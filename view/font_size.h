// Font sizes come from the registry and from the font chooser's lists, so any
// 32-bit value may arrive; fonts are made from sizes within a sane range. A
// size is in points everywhere (the Reading view, the Search box, Choose
// Section and the font chooser's preview) and becomes pixels here alone.
#pragma once

#include <cstdint>

constexpr int32_t kLargestFontSize = 1000;
constexpr int kPointsPerInch = 72;

// The size limited to -1000..1000, so that scaling it for the larger and
// smaller styles and converting it from points cannot overflow.
constexpr int32_t ClampFontSize(int32_t size) {
    if (size > kLargestFontSize) return kLargestFontSize;
    if (size < -kLargestFontSize) return -kLargestFontSize;
    return size;
}

// A font's height (LOGFONTW's lfHeight) for a size in points on a screen or
// page of dpi dots per inch, rounded as MulDiv rounds: negative, the letters'
// own height; a negative size is taken as a height with the leading, which
// comes out positive; 0 stays 0, the platform's default size. The size is
// one clamped (ClampFontSize) and scaled for a style, at most 1250 points.
constexpr int FontHeightForPoints(int32_t points, int dpi) {
    const long long scaled = static_cast<long long>(points) * dpi;
    const long long half = kPointsPerInch / 2;
    const long long pixels = scaled >= 0 ? (scaled + half) / kPointsPerInch : -((-scaled + half) / kPointsPerInch);
    return static_cast<int>(-pixels);
}
