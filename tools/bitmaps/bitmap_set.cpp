// The table of the program's pictures: which art files make which resource,
// at which size and depth, and the resource script that lists them.
#include "tools/bitmaps/bitmap_set.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/bitmaps/bitmap_writer.h"
#include "tools/bitmaps/pixel_art.h"

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
};

ArtPiece ToolbarButton(const char* fileName) { return {fileName, 16, 16}; }

const std::vector<Resource>& Resources() {
    static const std::vector<Resource> resources = {
        {101, "velmora_101.ico", Kind::Icon, {{"icon_16.txt", 16, 16}, {"icon_32.txt", 32, 32}}},
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
        const std::vector<uint8_t> bytes = Encode(resource, ReadArt(resource, artDir));
        WriteFile(outDir / resource.fileName, std::string(bytes.begin(), bytes.end()));
        script << resource.id << (resource.kind == Kind::Icon ? " ICON \"" : " BITMAP \"") << resource.fileName
               << "\"\n";
    }
    // Written last: the build takes its presence as the sign that all is done.
    WriteFile(outDir / "bitmaps.rc", script.str());
}
