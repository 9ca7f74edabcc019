// Drawing a picture of pixel art larger, for screens of more dots per inch.
#pragma once

#include "tools/bitmaps/pixel_art.h"

// The picture at percent (100 or more) of its size, ArtSize of each side.
// Every drawn pixel takes the ink of the pixels of the picture it touches:
// the colour, other than the background (the picture's most frequent one),
// of the pixel it overlaps most; the background only where it touches
// nothing else. So a line one pixel wide stays one unbroken line, of the same
// width wherever it lies, and a gap of one pixel stays open. Throws std::invalid_argument for a
// percent below 100 or an empty picture.
Picture ScalePicture(const Picture& picture, int percent);
