// The bitmap generator: the files it wrote into the generated folder, read
// back with a decoder of this file's own, and the writer and the pixel art
// reader on small known pictures.
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

// A device-independent bitmap as stored: header fields, palette, and the
// palette index of each pixel, top row first.
struct Dib {
    uint32_t headerSize = 0, imageSize = 0, coloursUsed = 0, compression = 0;
    int32_t width = 0, height = 0;
    uint16_t planes = 0, bits = 0;
    std::vector<Colour> palette;
    std::vector<std::vector<int>> rows;
    std::vector<std::vector<int>> mask;  // icons only: 1 where transparent
    bool paddingIsZero = true;
};

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

uint32_t U16(const Bytes& bytes, size_t at) {
    if (at + 2 > bytes.size()) throw std::out_of_range("read past the end");
    return bytes[at] | bytes[at + 1] << 8;
}

uint32_t U32(const Bytes& bytes, size_t at) { return U16(bytes, at) | U16(bytes, at + 2) << 16; }

size_t Stride(int width, int bits) { return (static_cast<size_t>(width) * bits + 31) / 32 * 4; }

// Reads `height` rows of `bits`-deep pixels stored bottom-up from `at`.
std::vector<std::vector<int>> ReadRows(const Bytes& bytes, size_t& at, int width, int height, int bits,
                                       bool& paddingIsZero) {
    std::vector<std::vector<int>> rows(height);
    const size_t stride = Stride(width, bits);
    for (int y = height - 1; y >= 0; --y, at += stride) {
        if (at + stride > bytes.size()) throw std::out_of_range("rows past the end");
        for (int x = 0; x < width; ++x) {
            const size_t bit = static_cast<size_t>(x) * bits;
            rows[y].push_back(bytes[at + bit / 8] >> (8 - bits - bit % 8) & ((1 << bits) - 1));
        }
        for (size_t bit = static_cast<size_t>(width) * bits; bit < stride * 8; ++bit) {
            if (bytes[at + bit / 8] >> (7 - bit % 8) & 1) paddingIsZero = false;
        }
    }
    return rows;
}

Dib ReadDib(const Bytes& bytes, size_t at, bool isIcon) {
    Dib dib;
    dib.headerSize = U32(bytes, at);
    dib.width = static_cast<int32_t>(U32(bytes, at + 4));
    dib.height = static_cast<int32_t>(U32(bytes, at + 8));
    dib.planes = static_cast<uint16_t>(U16(bytes, at + 12));
    dib.bits = static_cast<uint16_t>(U16(bytes, at + 14));
    dib.compression = U32(bytes, at + 16);
    dib.imageSize = U32(bytes, at + 20);
    dib.coloursUsed = U32(bytes, at + 32);
    if (dib.headerSize != 40 || (dib.bits != 1 && dib.bits != 4) || dib.width <= 0 || dib.height <= 0) {
        throw std::runtime_error("not a 1- or 4-bit bottom-up BITMAPINFOHEADER");
    }
    const uint32_t entries = dib.coloursUsed ? dib.coloursUsed : 1u << dib.bits;
    at += dib.headerSize;
    for (uint32_t i = 0; i < entries; ++i, at += 4) {
        if (at + 4 > bytes.size()) throw std::out_of_range("palette past the end");
        dib.palette.push_back({bytes[at + 2], bytes[at + 1], bytes[at]});  // stored blue, green, red
    }
    const int height = isIcon ? dib.height / 2 : dib.height;
    dib.rows = ReadRows(bytes, at, dib.width, height, dib.bits, dib.paddingIsZero);
    if (isIcon) dib.mask = ReadRows(bytes, at, dib.width, height, 1, dib.paddingIsZero);
    return dib;
}

Colour ColourAt(const Dib& dib, int x, int y) { return dib.palette.at(dib.rows[y][x]); }

Bytes GeneratedFile(const char* name) { return ReadBytes(std::filesystem::path(VELMORA_GENERATED_DIR) / name); }

Picture MakePicture(int width, int height, const std::vector<uint8_t>& colours) {
    Picture picture{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        picture.pixels.push_back(colours[(i * 7 + i / width) % colours.size()]);
    }
    return picture;
}

}  // namespace

TEST(BitmapFiles, HeadersMatchSizeDepthAndLength) {
    const struct { const char* file; int width, height, bits; } cases[] = {
        {"toolbar_114.bmp", 112, 16, 4}, {"about_scroll_113.bmp", 29, 21, 1}, {"tree_plus_201.bmp", 9, 9, 1},
        {"tree_minus_202.bmp", 9, 9, 1}, {"tree_page_203.bmp", 9, 9, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Bytes bytes = GeneratedFile(c.file);
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(U32(bytes, 2), bytes.size());
        const Dib dib = ReadDib(bytes, 14, false);
        EXPECT_EQ(dib.width, c.width);
        EXPECT_EQ(dib.height, c.height);  // positive: bottom-up
        EXPECT_EQ(dib.planes, 1);
        EXPECT_EQ(dib.bits, c.bits);
        EXPECT_EQ(dib.compression, 0u);
        ASSERT_EQ(dib.palette.size(), 1u << c.bits);
        const size_t stride = Stride(c.width, c.bits);
        EXPECT_EQ(stride % 4, 0u);
        EXPECT_EQ(U32(bytes, 10), 14 + 40 + 4 * dib.palette.size());
        EXPECT_EQ(bytes.size(), U32(bytes, 10) + stride * c.height);
        EXPECT_TRUE(dib.imageSize == 0 || dib.imageSize == stride * c.height);
        EXPECT_TRUE(dib.paddingIsZero);
    }
}

TEST(BitmapFiles, MonochromePicturesAreBlackOnWhite) {
    for (const char* file : {"about_scroll_113.bmp", "tree_plus_201.bmp", "tree_minus_202.bmp", "tree_page_203.bmp"}) {
        SCOPED_TRACE(file);
        const Dib dib = ReadDib(GeneratedFile(file), 14, false);
        ASSERT_EQ(dib.palette.size(), 2u);
        EXPECT_EQ(dib.palette[0], kBlackRgb);
        EXPECT_EQ(dib.palette[1], kWhiteRgb);
        std::set<int> used;
        for (const auto& row : dib.rows) used.insert(row.begin(), row.end());
        EXPECT_EQ(used, (std::set<int>{0, 1}));
    }
}

TEST(BitmapToolbar, PicturesAreDrawnDistinctOnTheButtonFace) {
    const Dib strip = ReadDib(GeneratedFile("toolbar_114.bmp"), 14, false);
    ASSERT_EQ(strip.width, 112);
    std::vector<std::vector<Colour>> pictures(7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i + 1);
        int drawn = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                pictures[i].push_back(ColourAt(strip, 16 * i + x, y));
                if (!(pictures[i].back() == kSilverRgb)) ++drawn;
            }
        }
        EXPECT_GT(drawn, 30);  // a picture, not a speck
        EXPECT_LT(drawn, 16 * 16 - 30);  // with the button face around it
        for (int j = 0; j < i; ++j) EXPECT_NE(pictures[i], pictures[j]) << "same as picture " << j + 1;
    }
    // The edges of the strip show the button face, so the buttons blend in.
    for (int x : {0, 111}) {
        for (int y : {0, 15}) EXPECT_EQ(ColourAt(strip, x, y), kSilverRgb);
    }
}

TEST(BitmapToolbar, LetterPictureIsBlue) {
    const Dib strip = ReadDib(GeneratedFile("toolbar_114.bmp"), 14, false);
    int blue = 0;
    int other = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 48; x < 64; ++x) {
            const Colour colour = ColourAt(strip, x, y);
            if (colour == kBlueRgb) {
                ++blue;
            } else if (!(colour == kSilverRgb)) {
                ++other;
            }
        }
    }
    EXPECT_GT(blue, 30);
    EXPECT_GT(blue, 3 * other);
}

TEST(BitmapTree, PlusAndMinusDifferOnlyInTheVerticalBar) {
    const Dib plus = ReadDib(GeneratedFile("tree_plus_201.bmp"), 14, false);
    const Dib minus = ReadDib(GeneratedFile("tree_minus_202.bmp"), 14, false);
    const Dib page = ReadDib(GeneratedFile("tree_page_203.bmp"), 14, false);
    int barPixels = 0;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            SCOPED_TRACE(testing::Message() << "x " << x << ", y " << y);
            const bool border = x == 0 || y == 0 || x == 8 || y == 8;
            if (border) {
                EXPECT_EQ(ColourAt(plus, x, y), kBlackRgb);
            }
            if (ColourAt(plus, x, y) == ColourAt(minus, x, y)) continue;
            EXPECT_EQ(x, 4);
            EXPECT_NE(y, 4);
            EXPECT_EQ(ColourAt(plus, x, y), kBlackRgb);
            ++barPixels;
        }
    }
    EXPECT_GE(barPixels, 2);
    EXPECT_EQ(ColourAt(minus, 4, 4), kBlackRgb);
    EXPECT_NE(page.rows, plus.rows);
    EXPECT_NE(page.rows, minus.rows);
}

TEST(IconFile, DirectoryHoldsSixteenAndThirtyTwo) {
    const Bytes bytes = GeneratedFile("velmora_101.ico");
    ASSERT_GE(bytes.size(), 6u + 2 * 16);
    EXPECT_EQ(U16(bytes, 0), 0u);
    EXPECT_EQ(U16(bytes, 2), 1u);
    ASSERT_EQ(U16(bytes, 4), 2u);
    size_t expectedOffset = 6 + 2 * 16;
    const int sizes[] = {16, 32};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sizes[i]);
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], sizes[i]);
        EXPECT_EQ(bytes[entry + 1], sizes[i]);
        const uint32_t length = U32(bytes, entry + 8);
        const uint32_t offset = U32(bytes, entry + 12);
        EXPECT_EQ(offset, expectedOffset);
        ASSERT_LE(offset + static_cast<size_t>(length), bytes.size());
        const Dib dib = ReadDib(bytes, offset, true);
        EXPECT_EQ(dib.width, sizes[i]);
        EXPECT_EQ(dib.height, 2 * sizes[i]);
        EXPECT_EQ(U16(bytes, entry + 6), dib.bits);
        EXPECT_EQ(length, 40 + 4 * dib.palette.size() + Stride(sizes[i], dib.bits) * sizes[i] +
                              Stride(sizes[i], 1) * sizes[i]);
        expectedOffset = offset + length;
    }
    EXPECT_EQ(expectedOffset, bytes.size());
}

TEST(IconFile, CornersAreTransparentAndTheMiddleIsDrawn) {
    const Bytes bytes = GeneratedFile("velmora_101.ico");
    for (int i = 0; i < 2; ++i) {
        const Dib dib = ReadDib(bytes, U32(bytes, 6 + 16 * i + 12), true);
        const int size = dib.width;
        SCOPED_TRACE(size);
        EXPECT_EQ(dib.mask[0][0], 1);
        EXPECT_EQ(dib.mask[size - 1][size - 1], 1);
        EXPECT_EQ(dib.mask[size / 2][size / 2], 0);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // A transparent pixel must be black, or it would tint the background.
                if (dib.mask[y][x]) {
                    EXPECT_EQ(ColourAt(dib, x, y), kBlackRgb);
                }
            }
        }
    }
}

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
        const Bytes bytes = EncodeBmp(picture, c.bits);
        EXPECT_EQ(bytes.size(), 14 + 40 + 4 * (1u << c.bits) + Stride(c.width, c.bits) * c.height);
        const Dib dib = ReadDib(bytes, 14, false);
        EXPECT_TRUE(dib.paddingIsZero);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const Rgb expected = kStandardPalette[PixelAt(picture, x, y)];
                ASSERT_EQ(ColourAt(dib, x, y), (Colour{expected.red, expected.green, expected.blue}))
                    << "x " << x << ", y " << y;
            }
        }
    }
}

TEST(BitmapWriter, IconKeepsColoursAndTransparency) {
    const Picture small = MakePicture(16, 16, {kTransparent, 1, 12, kTransparent, 15});
    const Picture large = MakePicture(32, 32, {3, kTransparent, 0, 14});
    const Bytes bytes = EncodeIcon({small, large});
    ASSERT_EQ(U16(bytes, 4), 2u);
    for (int i = 0; i < 2; ++i) {
        const Picture& picture = i == 0 ? small : large;
        SCOPED_TRACE(picture.width);
        const Dib dib = ReadDib(bytes, U32(bytes, 6 + 16 * i + 12), true);
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const uint8_t index = PixelAt(picture, x, y);
                ASSERT_EQ(dib.mask[y][x], index == kTransparent ? 1 : 0) << "x " << x << ", y " << y;
                ASSERT_EQ(dib.rows[y][x], index == kTransparent ? kBlack : index) << "x " << x << ", y " << y;
            }
        }
    }
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
    const Picture picture = ParsePixelArt(
        "# two by three\r\n"
        "# = black\n"
        ". = dark red\n"
        "- = transparent\n"
        "\n"
        "#.\r\n"
        ".-\n"
        "##",
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
    const Picture right{1, 2, {5, 6}};
    const Picture strip = PlaceSideBySide({left, right});
    EXPECT_EQ(strip.width, 3);
    EXPECT_EQ(strip.height, 2);
    EXPECT_EQ(strip.pixels, (std::vector<uint8_t>{1, 2, 5, 3, 4, 6}));
    EXPECT_THROW(PlaceSideBySide({left, Picture{1, 1, {7}}}), std::invalid_argument);
}

TEST(BitmapSet, MissingArtWritesNoResourceScript) {
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "velmora_bitmaps_test";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch / "out");
    EXPECT_THROW(WriteBitmapSet(scratch / "no_art", scratch / "out"), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(scratch / "out" / "bitmaps.rc"));
    std::filesystem::remove_all(scratch);
}
