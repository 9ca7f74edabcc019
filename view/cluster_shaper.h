// A letter and its marks as one cluster of glyphs in the font selected into
// a device context, cached per font and size. The platform's shaping
// (Uniscribe) places the marks the font positions itself; marks it leaves on
// top of one another (it applies the fonts' mark attachment but not always
// their mark-to-mark stacking), and marks it does not place, are placed by
// mark_placement. Only glyphs that a character of the font names are drawn,
// so that a printed page's text can be read back; a letter the font would
// draw with its mark as one unnamed glyph gets its parts instead. The screen
// and the printer shape alike.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "view/cell_placement.h"
#include "view/mark_placement.h"

constexpr int kMaxClusterGlyphs = 1 + kMaxCellMarks + kMaxLayerMarks + 2;

struct ShapedGlyph {
    WORD glyph = 0;
    int16_t x = 0;  // origin, from the cluster's left edge
    int16_t y = 0;  // origin, from the baseline (down)
};

// A cell's glyphs; the cell centres the cluster's advance.
struct ShapedCluster {
    int16_t advance = 0;
    uint8_t count = 0;
    int8_t letter = -1;  // the glyph of the letter (of a letter cell), the others being its marks
    ShapedGlyph glyphs[kMaxClusterGlyphs];
};

// The room a font's tallest and widest stacks need: above and below the
// baseline (never less than the font's ascent and descent), and beyond the
// left and the right edge of a letter's advance.
struct MarkRoom {
    int above = 0;
    int below = 0;
    int left = 0;
    int right = 0;
};

// One font's shaping, kept with its style font.
struct ClusterShaper {
    bool prepared = false;
    void* scriptCache = nullptr;   // the platform's cache for the font
    bool showsLayerMarks = false;  // every accent, meteg and upper dot the text uses has ink in the font
    MarkRoom room;
    int ascent = 0;                // the font's own, for a box too low for the marks' room
    int gap = 1;                   // pixels kept between two marks
    std::unordered_map<std::u16string, ShapedCluster> clusters;
    std::unordered_map<uint32_t, ShapedGlyph> marksOnLetters;  // a mark on a letter alone: letter << 16 | mark
    std::unordered_map<WORD, InkBox> inks;                 // each glyph's ink, measured once
    std::vector<WORD> encoded;  // the glyphs of the Hebrew characters, sorted: those a character names
};

// Prepares the shaper of the font selected into dc: whether the font shows
// the marks of the layer, and the room its marks need, found by shaping the
// tallest, deepest and widest stacks of the text, gap pixels apart. Memory
// that runs out leaves the font's own ascent and descent as the room.
void PrepareShaper(HDC dc, ClusterShaper& shaper, int gap);

// Gives a shaper for another font made alike (the same face, size and
// weight) what was measured of the first: whether it shows the marks, their
// room, the gap and the named glyphs; its caches stay its own.
void CopyMeasurements(const ClusterShaper& from, ClusterShaper& to);

// Frees the platform's cache and empties the shaper.
void ReleaseShaper(ClusterShaper& shaper);

// A cell's glyphs in the font selected into dc (the shaper's), shaped on
// first use. May throw std::bad_alloc.
const ShapedCluster& ShapeCell(HDC dc, ClusterShaper& shaper, const ClusterCell& cell);

// Whether the font selected into dc draws, with ink, every accent, meteg and
// the upper dot that the text uses: measured from the glyphs' outlines, as a
// font may map the marks to empty glyphs.
bool SelectedFontShowsLayerMarks(HDC dc);
