// Reads the text form of the program's pictures (tools/bitmaps/art) into
// grids of palette indices, and joins pictures into a strip.
#include "tools/bitmaps/pixel_art.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

const std::array<Rgb, 16> kStandardPalette = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

namespace {

constexpr std::string_view kColourNames[] = {
    "black", "dark red", "dark green", "olive", "navy", "purple", "teal", "silver",
    "grey", "red", "lime", "yellow", "blue", "fuchsia", "aqua", "white",
};

struct ArtReader {
    std::string sourceName;
    std::map<char, uint8_t> legend;
    Picture picture;
    int lineNumber = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(sourceName + ":" + std::to_string(lineNumber) + ": " + what);
    }
    void ReadLegendEntry(std::string_view line);
    void ReadRow(std::string_view line);
};

bool IsLegendEntry(std::string_view line) {
    return line.size() >= 5 && line[0] != ' ' && line.substr(1, 3) == " = ";
}

void ArtReader::ReadLegendEntry(std::string_view line) {
    const int index = ColourIndexByName(line.substr(4));
    if (index < 0) Fail("unknown colour \"" + std::string(line.substr(4)) + "\"");
    if (!legend.emplace(line[0], static_cast<uint8_t>(index)).second) {
        Fail(std::string("character '") + line[0] + "' is already in the legend");
    }
}

void ArtReader::ReadRow(std::string_view line) {
    const int width = static_cast<int>(line.size());
    if (picture.height > 0 && width != picture.width) {
        Fail("row is " + std::to_string(width) + " pixels wide, not " + std::to_string(picture.width));
    }
    for (size_t column = 0; column < line.size(); ++column) {
        const auto found = legend.find(line[column]);
        if (found == legend.end()) {
            Fail(std::string("character '") + line[column] + "' in column " + std::to_string(column + 1) +
                 " is not in the legend");
        }
        picture.pixels.push_back(found->second);
    }
    picture.width = width;
    ++picture.height;
}

}  // namespace

int ColourIndexByName(std::string_view name) {
    if (name == "transparent") return kTransparent;
    for (size_t i = 0; i < std::size(kColourNames); ++i) {
        if (kColourNames[i] == name) return static_cast<int>(i);
    }
    return -1;
}

Picture ParsePixelArt(std::string_view text, const std::string& sourceName) {
    ArtReader reader{sourceName, {}, {}, 0};
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++reader.lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        if (line.find(' ') == std::string_view::npos) {
            reader.ReadRow(line);
        } else if (IsLegendEntry(line)) {
            reader.ReadLegendEntry(line);
        } else if (line[0] != '#') {
            reader.Fail("expected a legend entry such as \"K = black\" or a comment starting with '#'");
        }
    }
    if (reader.picture.height == 0) reader.Fail("no rows of pixels");
    return reader.picture;
}

Picture ReadPixelArt(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error(path.string() + ": cannot be read");
    std::ostringstream contents;
    contents << file.rdbuf();
    return ParsePixelArt(contents.str(), path.string());
}

Picture PlaceSideBySide(const std::vector<Picture>& pictures) {
    Picture strip;
    for (const Picture& part : pictures) {
        if (strip.width > 0 && part.height != strip.height) {
            throw std::invalid_argument("pictures of a strip differ in height");
        }
        strip.width += part.width;
        strip.height = part.height;
    }
    strip.pixels.resize(static_cast<size_t>(strip.width) * strip.height);
    int left = 0;
    for (const Picture& part : pictures) {
        for (int y = 0; y < part.height; ++y) {
            for (int x = 0; x < part.width; ++x) {
                strip.pixels[static_cast<size_t>(y) * strip.width + left + x] = PixelAt(part, x, y);
            }
        }
        left += part.width;
    }
    return strip;
}
