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

// Whether an edit in the font can take a unit of text there: not a
// left-to-right character whose code, or whose glyph (0xFFFF for none), is
// one of those marks (of TrailingMarkGlyphs; empty: none). Control
// characters (Backspace, Ctrl+V, line ends) always can: the edit acts on
// them and draws none.
bool EditCanTake(char16_t unit, uint16_t glyph, const std::vector<bool>& marks);
