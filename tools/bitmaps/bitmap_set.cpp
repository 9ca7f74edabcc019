// The table of the program's pictures: which art files make which resource,
// at which size and depth, and the resource script that lists them.
#include "tools/bitmaps/bitmap_set.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tools/bitmaps/bitmap_writer.h"
#include "tools/bitmaps/pixel_art.h"
#include "tools/bitmaps/pixel_scale.h"
#include "view/dpi_scale.h"

namespace {

enum class Kind { Colour, Monochrome, Icon };

// One art file and the size its picture must have.
struct ArtPiece {
    const char* fileName;
    int width;
    int height;
};

struct Resource {
    int id;
    const char* fileName;
    Kind kind;
    // A bitmap is its pieces side by side; an icon holds each piece as one
    // image of its own size.
    std::vector<ArtPiece> art;
    // Drawn once more at each larger scale of kArtScales, as resource
    // ScaledBitmapId, each piece scaled on its own.
    bool scaled = true;
};

// "toolbar_114.bmp" at 150 percent is "toolbar_114_150.bmp".
std::string ScaledFileName(const char* fileName, int percent) {
    if (percent == 100) return fileName;
    const std::string name = fileName;
    const size_t dot = name.rfind('.');
    return name.substr(0, dot) + "_" + std::to_string(percent) + name.substr(dot);
}

ArtPiece ToolbarButton(const char* fileName) { return {fileName, 16, 16}; }

const std::vector<Resource>& Resources() {
    static const std::vector<Resource> resources = {
        {101, "velmora_101.ico", Kind::Icon, {{"icon_16.txt", 16, 16}, {"icon_32.txt", 32, 32}}, false},
        {113, "about_scroll_113.bmp", Kind::Monochrome, {{"about_scroll.txt", 29, 21}}},
        {114, "toolbar_114.bmp", Kind::Colour,
         {ToolbarButton("toolbar_back.txt"), ToolbarButton("toolbar_home.txt"),
          ToolbarButton("toolbar_forward.txt"), ToolbarButton("toolbar_letter.txt"),
          ToolbarButton("toolbar_find.txt"), ToolbarButton("toolbar_find_again.txt"),
          ToolbarButton("toolbar_list.txt")}},
        {119, "keyboard_119.bmp", Kind::Monochrome, {{"keyboard.txt", 154, 95}}},
        {201, "tree_plus_201.bmp", Kind::Monochrome, {{"tree_plus.txt", 9, 9}}},
        {202, "tree_minus_202.bmp", Kind::Monochrome, {{"tree_minus.txt", 9, 9}}},
        {203, "tree_page_203.bmp", Kind::Monochrome, {{"tree_page.txt", 9, 9}}},
    };
    return resources;
}

std::vector<Picture> ReadArt(const Resource& resource, const std::filesystem::path& artDir) {
    std::vector<Picture> pictures;
    for (const ArtPiece& piece : resource.art) {
        const std::filesystem::path path = artDir / piece.fileName;
        Picture picture = ReadPixelArt(path);
        if (picture.width != piece.width || picture.height != piece.height) {
            std::ostringstream message;
            message << path.string() << ": " << picture.width << " x " << picture.height << " pixels, expected "
                    << piece.width << " x " << piece.height;
            throw std::runtime_error(message.str());
        }
        pictures.push_back(std::move(picture));
    }
    return pictures;
}

std::vector<Picture> Scaled(const std::vector<Picture>& pictures, int percent) {
    if (percent == 100) return pictures;
    std::vector<Picture> scaled;
    for (const Picture& picture : pictures) scaled.push_back(ScalePicture(picture, percent));
    return scaled;
}

std::vector<uint8_t> Encode(const Resource& resource, const std::vector<Picture>& pictures) {
    switch (resource.kind) {
    case Kind::Icon: return EncodeIcon(pictures);
    case Kind::Monochrome: return EncodeBmp(PlaceSideBySide(pictures), 1);
    case Kind::Colour: return EncodeBmp(PlaceSideBySide(pictures), 4);
    }
    throw std::invalid_argument("unknown kind of resource");
}

void WriteFile(const std::filesystem::path& path, const std::string& contents) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    file.close();
    if (!file) throw std::runtime_error(path.string() + ": cannot be written");
}

}  // namespace

void WriteBitmapSet(const std::filesystem::path& artDir, const std::filesystem::path& outDir) {
    std::ostringstream script;
    script << "// The bitmaps and the icon, drawn by make_bitmaps; do not edit.\n";
    for (const Resource& resource : Resources()) {
        const std::vector<Picture> art = ReadArt(resource, artDir);
        for (int percent : kArtScales) {
            if (percent != 100 && !resource.scaled) continue;
            const std::vector<uint8_t> bytes = Encode(resource, Scaled(art, percent));
            const std::string fileName = ScaledFileName(resource.fileName, percent);
            WriteFile(outDir / fileName, std::string(bytes.begin(), bytes.end()));
            script << ScaledBitmapId(resource.id, percent) << (resource.kind == Kind::Icon ? " ICON \"" : " BITMAP \"")
                   << fileName << "\"\n";
        }
    }
    // Written last: the build takes its presence as the sign that all is done.
    WriteFile(outDir / "bitmaps.rc", script.str());
}
