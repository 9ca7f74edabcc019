// make_bitmaps OUT_DIR: draws the program's bitmaps and icon from the pixel
// art in the source tree and writes them with bitmaps.rc into OUT_DIR.
#include <cstdio>
#include <exception>

#include "tools/bitmaps/bitmap_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bitmaps OUT_DIR\n");
        return 2;
    }
    try {
        WriteBitmapSet(VELMORA_BITMAP_ART_DIR, argv[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_bitmaps: %s\n", error.what());
        return 1;
    }
    return 0;
}
