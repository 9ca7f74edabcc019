// The glyphs a font's GPOS table attaches to the glyph before them in a
// left-to-right run: the marks of the mark-to-ligature and mark-to-mark
// lookups (types 5 and 6, also inside extension lookups, type 9) that the
// features of the Latin and default scripts ("latn", "DFLT") use. Read from
// the table's bytes alone, whatever they hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// One flag per glyph index (65,536 of them), set for those glyphs; empty
// when the table has none or cannot be read.
std::vector<bool> TrailingMarkGlyphs(const uint8_t* gpos, size_t size);
