// Encodes pictures of palette indices as device-independent bitmaps: the
// .bmp files of the bitmap resources and the images of an .ico file with
// their AND masks.
#include "tools/bitmaps/bitmap_writer.h"

#include <stdexcept>

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kIconDirectorySize = 6;
constexpr uint32_t kIconEntrySize = 16;

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

uint32_t RowBytes(int width, int bitsPerPixel) {
    return (static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

// The BITMAPINFOHEADER; an icon image states twice its height, for the
// colour rows and the mask rows together.
void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitsPerPixel,
                   uint32_t imageSize, uint32_t paletteEntries) {
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<uint32_t>(width));
    PutU32(out, static_cast<uint32_t>(height));
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(bitsPerPixel));
    PutU32(out, 0);  // BI_RGB, uncompressed
    PutU32(out, imageSize);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, paletteEntries);
    PutU32(out, 0);
}

void PutPalette(std::vector<uint8_t>& out, const std::vector<Rgb>& colours) {
    for (const Rgb& colour : colours) {
        out.insert(out.end(), {colour.blue, colour.green, colour.red, 0});
    }
}

// Packs one value per pixel, most significant bits first, bottom row first.
template <typename PixelValue>
void PutRows(std::vector<uint8_t>& out, const Picture& picture, int bitsPerPixel, PixelValue value) {
    const uint32_t rowBytes = RowBytes(picture.width, bitsPerPixel);
    const int perByte = 8 / bitsPerPixel;
    for (int y = picture.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(rowBytes, 0);
        for (int x = 0; x < picture.width; ++x) {
            const int shift = 8 - bitsPerPixel * (x % perByte + 1);
            row[x / perByte] |= static_cast<uint8_t>(value(PixelAt(picture, x, y)) << shift);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

uint8_t MonochromeValue(uint8_t index) {
    if (index == kBlack) return 0;
    if (index == kWhite) return 1;
    throw std::invalid_argument("a monochrome bitmap holds only black and white");
}

uint8_t ColourValue(uint8_t index) {
    if (index >= kStandardPalette.size()) throw std::invalid_argument("a bitmap cannot be transparent");
    return index;
}

std::vector<uint8_t> EncodeIconImage(const Picture& image) {
    const uint32_t colourSize = RowBytes(image.width, 4) * image.height;
    const uint32_t maskSize = RowBytes(image.width, 1) * image.height;
    std::vector<uint8_t> out;
    PutInfoHeader(out, image.width, image.height * 2, 4, colourSize + maskSize, 16);
    PutPalette(out, {kStandardPalette.begin(), kStandardPalette.end()});
    // Transparent pixels are black in the colour rows and set in the mask,
    // so that drawing leaves the background as it was.
    PutRows(out, image, 4, [](uint8_t index) { return index == kTransparent ? kBlack : index; });
    PutRows(out, image, 1, [](uint8_t index) { return index == kTransparent ? 1 : 0; });
    return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4) throw std::invalid_argument("bitmaps are 1 or 4 bits per pixel");
    if (picture.width <= 0 || picture.height <= 0) throw std::invalid_argument("empty picture");
    const std::vector<Rgb> palette = bitsPerPixel == 1
        ? std::vector<Rgb>{kStandardPalette[kBlack], kStandardPalette[kWhite]}
        : std::vector<Rgb>(kStandardPalette.begin(), kStandardPalette.end());
    const uint32_t imageSize = RowBytes(picture.width, bitsPerPixel) * picture.height;
    const uint32_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<uint32_t>(palette.size());
    std::vector<uint8_t> out = {'B', 'M'};
    PutU32(out, bitsOffset + imageSize);
    PutU32(out, 0);
    PutU32(out, bitsOffset);
    PutInfoHeader(out, picture.width, picture.height, bitsPerPixel, imageSize,
                  static_cast<uint32_t>(palette.size()));
    PutPalette(out, palette);
    if (bitsPerPixel == 1) {
        PutRows(out, picture, 1, MonochromeValue);
    } else {
        PutRows(out, picture, 4, ColourValue);
    }
    return out;
}

std::vector<uint8_t> EncodeIcon(const std::vector<Picture>& images) {
    if (images.empty() || images.size() > 0xFFFF) throw std::invalid_argument("an icon holds 1 or more images");
    std::vector<uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);  // an icon, not a cursor
    PutU16(out, static_cast<uint32_t>(images.size()));
    std::vector<uint8_t> data;
    uint32_t offset = kIconDirectorySize + kIconEntrySize * static_cast<uint32_t>(images.size());
    for (const Picture& image : images) {
        if (image.width != image.height || image.width < 1 || image.width > 256) {
            throw std::invalid_argument("icon images are square, 1 to 256 pixels");
        }
        const std::vector<uint8_t> encoded = EncodeIconImage(image);
        out.push_back(static_cast<uint8_t>(image.width));  // 256 is written as 0
        out.push_back(static_cast<uint8_t>(image.height));
        out.push_back(16);  // colours
        out.push_back(0);
        PutU16(out, 1);  // planes
        PutU16(out, 4);  // bits per pixel
        PutU32(out, static_cast<uint32_t>(encoded.size()));
        PutU32(out, offset);
        offset += static_cast<uint32_t>(encoded.size());
        data.insert(data.end(), encoded.begin(), encoded.end());
    }
    out.insert(out.end(), data.begin(), data.end());
    return out;
}
