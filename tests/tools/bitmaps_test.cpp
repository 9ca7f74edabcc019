// The bitmap generator: the files it wrote into the generated folder, read
// back with a decoder of this file's own that refuses any file whose headers
// disagree with its contents, and the writer and the pixel art reader on
// small known pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/bitmaps/bitmap_set.h"
#include "tools/bitmaps/bitmap_writer.h"
#include "tools/bitmaps/pixel_art.h"
#include "tools/bitmaps/pixel_scale.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Colour {
    uint8_t red, green, blue;
    bool operator==(const Colour&) const = default;
};
constexpr Colour kSilverRgb{192, 192, 192};
constexpr Colour kBlueRgb{0, 0, 255};
constexpr Colour kBlackRgb{0, 0, 0};
constexpr Colour kWhiteRgb{255, 255, 255};

// A device-independent bitmap: its size and depth, palette, and the palette
// index of each pixel, top row first.
struct Dib {
    int width = 0, height = 0, bits = 0;
    std::vector<Colour> palette;
    std::vector<std::vector<int>> rows;
    std::vector<std::vector<int>> mask;  // icons only: 1 where transparent
};

void Require(bool condition, const char* what) {
    if (!condition) throw std::runtime_error(what);
}

uint32_t U16(const Bytes& bytes, size_t at) {
    Require(at + 2 <= bytes.size(), "read past the end");
    return bytes[at] | bytes[at + 1] << 8;
}

uint32_t U32(const Bytes& bytes, size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

size_t Stride(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

// Reads `height` rows of `bits`-deep pixels stored bottom-up from `at`, each
// padded with zero bits to a multiple of 4 bytes.
std::vector<std::vector<int>> ReadRows(const Bytes& bytes, size_t& at, int width, int height, int bits) {
    std::vector<std::vector<int>> rows(height);
    const size_t stride = Stride(width, bits);
    for (int y = height - 1; y >= 0; --y, at += stride) {
        Require(at + stride <= bytes.size(), "rows past the end");
        for (size_t bit = 0; bit < stride * 8; bit += bits) {
            const int value = bytes[at + bit / 8] >> (8 - bits - bit % 8) & ((1 << bits) - 1);
            if (bit < static_cast<size_t>(width) * bits) rows[y].push_back(value);
            else Require(value == 0, "padding is not zero");
        }
    }
    return rows;
}

// An uncompressed, bottom-up 1- or 4-bit BITMAPINFOHEADER with a whole
// palette; an icon's image holds twice its height: the pixels, then the mask.
Dib ReadDib(const Bytes& bytes, size_t at, bool isIcon) {
    Dib dib{static_cast<int32_t>(U32(bytes, at + 4)), static_cast<int32_t>(U32(bytes, at + 8)),
            static_cast<int>(U16(bytes, at + 14)), {}, {}, {}};
    Require(U32(bytes, at) == 40 && U16(bytes, at + 12) == 1 && U32(bytes, at + 16) == 0, "not a plain DIB header");
    Require((dib.bits == 1 || dib.bits == 4) && dib.width > 0 && dib.height > 0, "not a 1- or 4-bit bottom-up DIB");
    const int height = isIcon ? dib.height / 2 : dib.height;
    Require(U32(bytes, at + 32) == 0 || U32(bytes, at + 32) == 1u << dib.bits, "partial palette");
    at += 40;
    for (uint32_t i = 0; i < 1u << dib.bits; ++i, at += 4) {
        Require(at + 4 <= bytes.size(), "palette past the end");
        dib.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});  // stored blue, green, red
    }
    dib.rows = ReadRows(bytes, at, dib.width, height, dib.bits);
    if (isIcon) dib.mask = ReadRows(bytes, at, dib.width, height, 1);
    return dib;
}

// A whole .bmp file, its file header agreeing with its size and layout.
Dib ReadBmp(const Bytes& bytes) {
    Require(bytes.size() >= 54 && bytes[0] == 'B' && bytes[1] == 'M' && U32(bytes, 2) == bytes.size(), "not a BMP");
    const Dib dib = ReadDib(bytes, 14, false);
    Require(U32(bytes, 10) == 14 + 40 + 4 * dib.palette.size(), "pixels not after the palette");
    const size_t imageSize = Stride(dib.width, dib.bits) * dib.height;
    Require(bytes.size() == U32(bytes, 10) + imageSize, "wrong file size");
    Require(U32(bytes, 34) == 0 || U32(bytes, 34) == imageSize, "wrong image size");
    return dib;
}

// The images of a whole .ico file, each square, its directory entry agreeing
// with it, and the images following the directory without gaps.
std::vector<Dib> ReadIcon(const Bytes& bytes) {
    Require(U16(bytes, 0) == 0 && U16(bytes, 2) == 1, "not an icon");
    std::vector<Dib> images;
    size_t expectedOffset = 6 + 16 * U16(bytes, 4);
    for (size_t entry = 6; entry < 6 + 16 * U16(bytes, 4); entry += 16) {
        const uint32_t length = U32(bytes, entry + 8);
        Require(U32(bytes, entry + 12) == expectedOffset && expectedOffset + length <= bytes.size(), "misplaced image");
        const Dib dib = ReadDib(bytes, expectedOffset, true);
        const size_t w = dib.width;
        Require(bytes[entry] == uint8_t(w) && bytes[entry + 1] == uint8_t(w) && dib.height == 2 * dib.width &&
                    U16(bytes, entry + 6) == uint32_t(dib.bits) &&
                    length == 40 + 4 * dib.palette.size() + (Stride(w, dib.bits) + Stride(w, 1)) * w,
                "directory entry disagrees with its image");
        expectedOffset += length;
        images.push_back(dib);
    }
    Require(expectedOffset == bytes.size(), "bytes after the last image");
    return images;
}

Colour ColourAt(const Dib& dib, int x, int y) { return dib.palette.at(dib.rows[y][x]); }

Bytes GeneratedFile(const char* name) {
    std::ifstream file(std::filesystem::path(VELMORA_GENERATED_DIR) / name, std::ios::binary);
    Require(file.good(), "cannot read a generated file");
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// Each pixel of the picture read back, with its mask bit when the image has one.
void ExpectPixels(const Dib& dib, const Picture& picture) {
    ASSERT_EQ(dib.width, picture.width);
    ASSERT_EQ(dib.rows.size(), static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const bool clear = PixelAt(picture, x, y) == kTransparent;
            const Rgb rgb = kStandardPalette[clear ? kBlack : PixelAt(picture, x, y)];
            ASSERT_EQ(ColourAt(dib, x, y), (Colour{rgb.red, rgb.green, rgb.blue})) << "x " << x << ", y " << y;
            if (!dib.mask.empty()) {
                ASSERT_EQ(dib.mask[y][x], clear ? 1 : 0) << "x " << x << ", y " << y;
            }
        }
    }
}

Picture MakePicture(int width, int height, const std::vector<uint8_t>& colours) {
    Picture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) picture.pixels.push_back(colours[(i * 7 + i / width) % colours.size()]);
    return picture;
}

}  // namespace

// The monochrome pictures are black on white and use both.
TEST(BitmapFiles, SizesAndDepths) {
    const struct { const char* file; int width, height, bits; } cases[] = {
        {"toolbar_114.bmp", 112, 16, 4}, {"about_scroll_113.bmp", 29, 21, 1}, {"tree_plus_201.bmp", 9, 9, 1},
        {"tree_minus_202.bmp", 9, 9, 1}, {"tree_page_203.bmp", 9, 9, 1}, {"keyboard_119.bmp", 154, 95, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Dib dib = ReadBmp(GeneratedFile(c.file));
        EXPECT_EQ(dib.width, c.width);
        EXPECT_EQ(dib.height, c.height);
        EXPECT_EQ(dib.bits, c.bits);
        if (c.bits != 1) continue;
        EXPECT_EQ(dib.palette, (std::vector<Colour>{kBlackRgb, kWhiteRgb}));
        std::set<int> used;
        for (const auto& row : dib.rows) used.insert(row.begin(), row.end());
        EXPECT_EQ(used, (std::set<int>{0, 1}));
    }
}

// Seven distinct pictures on the button face, which also fills the strip's
// corners so that the buttons blend in; the fourth, the letter, is blue.
TEST(BitmapFiles, ToolbarPicturesAreDistinctAndTheLetterIsBlue) {
    const Dib strip = ReadBmp(GeneratedFile("toolbar_114.bmp"));
    ASSERT_EQ(strip.width, 112);
    std::vector<std::vector<Colour>> pictures(7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        int drawn = 0, blue = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const Colour colour = ColourAt(strip, 16 * i + x, y);
                pictures[i].push_back(colour);
                drawn += colour == kSilverRgb ? 0 : 1;
                blue += colour == kBlueRgb ? 1 : 0;
            }
        }
        EXPECT_GT(drawn, 30);  // a picture, not a speck
        EXPECT_LT(drawn, 16 * 16 - 30);
        if (i == 3) {
            EXPECT_GT(blue, 30);
            EXPECT_GT(blue, 3 * (drawn - blue));
        }
        for (int j = 0; j < i; ++j) EXPECT_NE(pictures[i], pictures[j]) << "same as picture " << j + 1;
    }
    for (int x : {0, 111}) {
        for (int y : {0, 15}) EXPECT_EQ(ColourAt(strip, x, y), kSilverRgb);
    }
}

// Plus and minus share a black border and differ only in the vertical bar.
TEST(BitmapFiles, TreePlusAndMinusDifferOnlyInTheVerticalBar) {
    const Dib plus = ReadBmp(GeneratedFile("tree_plus_201.bmp"));
    const Dib minus = ReadBmp(GeneratedFile("tree_minus_202.bmp"));
    int barPixels = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            SCOPED_TRACE(testing::Message() << "x " << x << ", y " << y);
            if (x == 0 || y == 0 || x == 8 || y == 8) {
                EXPECT_EQ(ColourAt(plus, x, y), kBlackRgb);
            }
            if (ColourAt(plus, x, y) == ColourAt(minus, x, y)) continue;
            EXPECT_TRUE(x == 4 && y != 4 && ColourAt(plus, x, y) == kBlackRgb);
            ++barPixels;
        }
    }
    EXPECT_GE(barPixels, 2);
    EXPECT_EQ(ColourAt(minus, 4, 4), kBlackRgb);
    const Dib page = ReadBmp(GeneratedFile("tree_page_203.bmp"));
    EXPECT_NE(page.rows, plus.rows);
    EXPECT_NE(page.rows, minus.rows);
}

TEST(BitmapFiles, IconHoldsSixteenAndThirtyTwoWithTransparentCorners) {
    const std::vector<Dib> images = ReadIcon(GeneratedFile("velmora_101.ico"));
    ASSERT_EQ(images.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Dib& dib = images[i];
        const int size = dib.width;
        SCOPED_TRACE(size);
        EXPECT_EQ(size, 16 << i);
        EXPECT_EQ(dib.mask[0][0], 1);
        EXPECT_EQ(dib.mask[size - 1][size - 1], 1);
        EXPECT_EQ(dib.mask[size / 2][size / 2], 0);
    }
}

// Bitmaps of every depth and of widths around the row padding, and an icon of
// two sizes with transparent pixels, which it must store black or they would
// tint the background.
TEST(BitmapWriter, RoundTripsKnownPictures) {
    const std::vector<uint8_t> everyColour = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    const struct { int width, height, bits; } cases[] = {
        {1, 1, 1}, {7, 3, 1}, {8, 2, 1}, {9, 9, 1}, {29, 21, 1}, {33, 2, 1},
        {1, 1, 4}, {3, 5, 4}, {8, 1, 4}, {9, 4, 4}, {112, 16, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.bits << " bits");
        const Picture picture = MakePicture(c.width, c.height, c.bits == 1 ? std::vector<uint8_t>{kBlack, kWhite}
                                                                           : everyColour);
        ExpectPixels(ReadBmp(EncodeBmp(picture, c.bits)), picture);
    }
    const std::vector<Picture> pictures = {MakePicture(16, 16, {kTransparent, 1, 12, kTransparent, 15}),
                                           MakePicture(32, 32, {3, kTransparent, 0, 14})};
    const std::vector<Dib> images = ReadIcon(EncodeIcon(pictures));
    ASSERT_EQ(images.size(), 2u);
    for (size_t i = 0; i < images.size(); ++i) ExpectPixels(images[i], pictures[i]);
}

TEST(BitmapWriter, RefusesWhatTheFormatCannotHold) {
    const Picture red = MakePicture(4, 4, {kBlack, 9});
    const Picture see = MakePicture(4, 4, {kTransparent, kWhite});
    EXPECT_THROW(EncodeBmp(red, 1), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(see, 4), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(red, 8), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(Picture{}, 4), std::invalid_argument);
    EXPECT_THROW(EncodeIcon({}), std::invalid_argument);
    EXPECT_THROW(EncodeIcon({MakePicture(16, 8, {kBlack})}), std::invalid_argument);
    EXPECT_THROW(EncodeIcon({MakePicture(257, 257, {kBlack})}), std::invalid_argument);
}

TEST(BitmapArt, ReadsLegendCommentsAndRows) {
    const Picture picture = ParsePixelArt("# two by three\r\n# = black\n. = dark red\n- = transparent\n\n#.\r\n.-\n##",
                                          "sample");
    ASSERT_EQ(picture.width, 2);
    ASSERT_EQ(picture.height, 3);
    EXPECT_EQ(picture.pixels, (std::vector<uint8_t>{kBlack, 1, 1, kTransparent, kBlack, kBlack}));
}

TEST(BitmapArt, RejectsMalformedArtNamingTheLine) {
    const struct { const char* text; const char* message; } cases[] = {
        {". = white\n..\n...\n", "sample:3: row is 3 pixels wide"},
        {". = white\n.x\n", "sample:2: character 'x' in column 2"},
        {". = light green\n.\n", "sample:1: unknown colour"},
        {". = white\n. = black\n.\n", "sample:2: character '.' is already"},
        {". = white\n# nothing drawn\n", "no rows of pixels"},
        {". = white\n.. ..\n", "sample:2: expected a legend entry"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            ParsePixelArt(c.text, "sample");
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(BitmapArt, PlacesPicturesSideBySide) {
    const Picture left{2, 2, {1, 2, 3, 4}};
    const Picture strip = PlaceSideBySide({left, Picture{1, 2, {5, 6}}});
    EXPECT_EQ(strip.width, 3);
    EXPECT_EQ(strip.height, 2);
    EXPECT_EQ(strip.pixels, (std::vector<uint8_t>{1, 2, 5, 3, 4, 6}));
    EXPECT_THROW(PlaceSideBySide({left, Picture{1, 1, {7}}}), std::invalid_argument);
}

// Lines one pixel wide come out two pixels wide wherever they lie, and a gap
// of one pixel stays open; the most frequent colour is the background.
TEST(BitmapScale, LinesKeepOneWidthAndGapsStayOpen) {
    const struct { const char* row; int percent; const char* scaled; } cases[] = {
        {"#.#..#..", 150, "##.##..##..."}, {"#.#..#..", 200, "##..##....##...."}, {"..#.####", 150, "...#..######"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const Picture art = ParsePixelArt(std::string("# = black\n. = white\n") + c.row, "row");
        const Picture row = ScalePicture(art, c.percent);
        std::string drawn;
        for (int x = 0; x < row.width; ++x) drawn += PixelAt(row, x, row.height - 1) == kBlack ? '#' : '.';
        EXPECT_EQ(drawn, c.scaled);
    }
}

TEST(BitmapSet, MissingArtWritesNoResourceScript) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "velmora_bitmaps_test";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch / "out");
    EXPECT_THROW(WriteBitmapSet(scratch / "no_art", scratch / "out"), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(scratch / "out" / "bitmaps.rc"));
    std::filesystem::remove_all(scratch);
}
