// Article text as a level shows it, for export: the letters alone, or the
// letters with every mark of the Codex in the Codex's order. (At the vowels
// level the text goes out as the glyph table converts it.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "store/compression.h"
#include "store/hebrew_marks.h"
#include "store/mark_layer.h"

// Appends one letter at a level: its base letter; at the vowels level the
// marks its code expresses and then its points (given in reading order); at
// the cantillation level those with the layer marks (when given) placed among
// them as the layer says.
void AppendLetterAtLevel(uint8_t code, const uint8_t* points, int pointCount, const LetterMarks* marks,
                         TextLevel level, std::u16string& out);

// Appends, in reading order, the characters of the count codes of text from
// position first on (stopping at a zero), stored in visual order when
// storedVisual (then read from the last back, brackets exchanged with their
// partners). Letters as AppendLetterAtLevel gives them with their layer marks
// from layer (none: no layer marks); a point without a letter is kept, except
// at the letters-only level; other codes as the Unicode glyph table has them.
void AppendTextAtLevel(const ArticleText& text, size_t first, size_t count, bool storedVisual, TextLevel level,
                       const MarkLayer* layer, std::u16string& out);
