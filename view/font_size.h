// Font sizes come from the registry and from the font chooser's lists, so any
// 32-bit value may arrive; fonts are made from sizes within a sane range.
#pragma once

#include <cstdint>

constexpr int32_t kLargestFontSize = 1000;

// The size limited to -1000..1000, so that scaling it for the larger and
// smaller styles and converting it from points cannot overflow.
inline int32_t ClampFontSize(int32_t size) {
    if (size > kLargestFontSize) return kLargestFontSize;
    if (size < -kLargestFontSize) return -kLargestFontSize;
    return size;
}
