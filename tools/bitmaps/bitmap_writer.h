// Writing pictures as Windows bitmap (.bmp) and icon (.ico) files.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/bitmaps/pixel_art.h"

// A whole .bmp file: file header, BITMAPINFOHEADER, palette, and the rows
// bottom-up and uncompressed, each padded to a multiple of 4 bytes.
// bitsPerPixel 4 writes the standard 16-colour palette; 1 writes the palette
// black, white and accepts only black and white pixels. Throws
// std::invalid_argument for any other depth, a colour the depth cannot hold,
// or an empty picture.
std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel);

// A whole .ico file holding the given square images, 1 to 256 pixels wide, in
// that order. Each image is 4 bits per pixel with the standard palette, and
// its AND mask marks the transparent pixels. Throws std::invalid_argument for
// an image that is not square or is too large, or for no images at all.
std::vector<uint8_t> EncodeIcon(const std::vector<Picture>& images);
