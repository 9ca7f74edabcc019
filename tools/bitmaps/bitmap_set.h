// The program's bitmap and icon resources, drawn from the pixel art in
// tools/bitmaps/art.
#pragma once

#include <filesystem>

// Reads the art from artDir, checks each picture's size, and writes into
// outDir the toolbar strip 114, the About box picture 113, the keyboard
// picture 119, the tree icons 201 to 203, each bitmap also at 150 and 200
// percent (ids 1000 and 2000 higher), the program icon 101, and last
// bitmaps.rc, which names them for the resource compiler. Throws std::runtime_error (or
// std::invalid_argument) when a picture is missing, malformed or of the
// wrong size, or a file cannot be written.
void WriteBitmapSet(const std::filesystem::path& artDir, const std::filesystem::path& outDir);
