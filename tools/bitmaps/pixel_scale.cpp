// Scaling pixel art up by a factor that need not be whole (150 percent): a
// drawn pixel covers parts of up to two pixels of the picture each way, and
// takes the ink among them rather than a sample, which would draw some lines
// twice as wide as others.
#include "tools/bitmaps/pixel_scale.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "view/dpi_scale.h"

namespace {

uint8_t MostFrequentColour(const Picture& picture) {
    std::array<int, kTransparent + 1> counts{};
    for (uint8_t pixel : picture.pixels) ++counts.at(pixel);
    uint8_t most = 0;
    for (uint8_t colour = 1; colour < counts.size(); ++colour) {
        if (counts[colour] > counts[most]) most = colour;
    }
    return most;
}

// How much of drawn pixel d (in hundredths of a drawn pixel) the picture's
// pixel s covers at percent.
int Overlap(int d, int s, int percent) {
    const int low = std::max(d * 100, s * percent);
    const int high = std::min(d * 100 + 100, s * percent + percent);
    return high > low ? high - low : 0;
}

// The picture's pixels that drawn pixel d touches: first and last.
struct Span {
    int first, last;
};
Span Touched(int d, int percent, int size) {
    const int first = d * 100 / percent;
    const int last = std::min((d * 100 + 99) / percent, size - 1);
    return {first, last};
}

uint8_t DrawnPixel(const Picture& picture, int dx, int dy, int percent, uint8_t background) {
    const Span xs = Touched(dx, percent, picture.width);
    const Span ys = Touched(dy, percent, picture.height);
    uint8_t ink = background;
    int inkCover = 0;
    for (int y = ys.first; y <= ys.last; ++y) {
        for (int x = xs.first; x <= xs.last; ++x) {
            const uint8_t colour = PixelAt(picture, x, y);
            const int cover = Overlap(dx, x, percent) * Overlap(dy, y, percent);
            if (colour != background && cover > inkCover) {
                ink = colour;
                inkCover = cover;
            }
        }
    }
    return ink;
}

}  // namespace

Picture ScalePicture(const Picture& picture, int percent) {
    if (percent < 100 || picture.width <= 0 || picture.height <= 0) {
        throw std::invalid_argument("a picture is drawn at 100 percent or more");
    }
    const uint8_t background = MostFrequentColour(picture);
    Picture scaled{ArtSize(picture.width, percent), ArtSize(picture.height, percent), {}};
    scaled.pixels.reserve(static_cast<size_t>(scaled.width) * scaled.height);
    for (int y = 0; y < scaled.height; ++y) {
        for (int x = 0; x < scaled.width; ++x) scaled.pixels.push_back(DrawnPixel(picture, x, y, percent, background));
    }
    return scaled;
}
