// Pixel sizes on screens of any scale. Every size in the program's code and
// pictures is given for a screen of 96 dots per inch and scaled to the dots
// of the window it is used in. The pictures exist drawn at three scales (see
// tools/bitmaps); a window uses the largest one that is not too large.
// Header only, so that the bitmap generator shares the same arithmetic.
#pragma once

constexpr int kDefaultDpi = 96;

// pixels at 96 dots per inch, at dpi: rounded to the nearest pixel, halves
// away from zero. A dpi of 0 or below counts as 96 (a state never told).
constexpr int ScaleForDpi(int pixels, int dpi) {
    if (dpi <= 0 || dpi == kDefaultDpi) return pixels;
    const long long scaled = static_cast<long long>(pixels) * dpi;
    const long long half = kDefaultDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDefaultDpi : -((-scaled + half) / kDefaultDpi));
}

// The scales the pictures are drawn at, in percent.
constexpr int kArtScales[] = {100, 150, 200};

// The largest drawn scale that is not above dpi's: 100 below 144 dots, 150
// below 192, 200 from there on.
constexpr int ArtScaleForDpi(int dpi) {
    int chosen = kArtScales[0];
    for (int percent : kArtScales) {
        if (dpi * 100 >= percent * kDefaultDpi) chosen = percent;
    }
    return chosen;
}

// The size of a picture of size pixels drawn at percent: every pixel it
// touches, so a part of a pixel counts as a whole one.
constexpr int ArtSize(int size, int percent) { return (size * percent + 99) / 100; }

// The pixel of the picture at 100 percent that a pixel of its drawing at
// percent starts in; inside the drawing's cells this is the cell drawn there.
constexpr int ArtPixelAt100(int pixel, int percent) { return pixel * 100 / percent; }
