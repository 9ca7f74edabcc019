// Pixel art: pictures drawn as text, one character per pixel, with a legend
// that names a colour of the standard 16-colour palette for each character.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

// The standard 16-colour palette in its usual order: black, dark red, dark
// green, olive, navy, purple, teal, silver, grey, red, lime, yellow, blue,
// fuchsia, aqua, white. A picture's pixels are indices into it.
extern const std::array<Rgb, 16> kStandardPalette;
constexpr uint8_t kBlack = 0;
constexpr uint8_t kBlue = 12;
constexpr uint8_t kWhite = 15;
// A pixel that shows what lies behind it; only icons can hold it.
constexpr uint8_t kTransparent = 16;

// The palette index of a colour name ("dark red", "silver", "transparent"
// gives kTransparent), or -1 for an unknown name.
int ColourIndexByName(std::string_view name);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // width * height indices, top row first
};

inline uint8_t PixelAt(const Picture& picture, int x, int y) {
    return picture.pixels[static_cast<size_t>(y) * picture.width + x];
}

// Reads the text form. Blank lines are skipped; a line holding a space is a
// legend entry ("K = black") or a comment ("# ..."); every other line is a
// row of pixels. All rows have the same width and use only characters of the
// legend. Throws std::runtime_error naming `sourceName` and the line.
Picture ParsePixelArt(std::string_view text, const std::string& sourceName);

// ParsePixelArt on the contents of a file; throws when it cannot be read.
Picture ReadPixelArt(const std::filesystem::path& path);

// The pictures placed left to right, tops aligned; all must have one height.
Picture PlaceSideBySide(const std::vector<Picture>& pictures);
