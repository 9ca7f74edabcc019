// The export text: the whole article as UTF-16 lines, the one form from which
// both clipboard formats are made.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/article_text.h"
#include "store/compression.h"

// FontAsciiBase values above this go out as Rich Text, the others as Unicode text.
constexpr int kRichTextAsciiBase = 256;

inline bool ExportsRichText(int fontAsciiBase) { return fontAsciiBase > kRichTextAsciiBase; }

// The conversion of an export. With a Unicode display font the characters are
// reversed exactly when the Reverse option is off, so that right-to-left
// records (stored in visual order) come out in reading order. The settings
// themselves are never changed for this.
DisplayMode ExportDisplayMode(int fontAsciiBase, uint32_t flags);

// Size of the export text in code units, its zero unit not counted:
// T + T / 2 + 2R + D + E, with T the bytes before the end marker, R the records
// plus the records with a paragraph gap, D the hyphens of the rules and E the
// edge offsets of the text records. The buffer takes 2 * size + 2 bytes.
size_t ExportTextSize(const ArticleText& text);

// Writes one line per record, each ended by CR LF (a paragraph gap adds a
// second CR LF): a rule record as its hyphens, a text record as its display
// characters followed by its edge offset in spaces; then one zero unit. Never
// writes past bufferBytes: 0 on success, 1 when the text did not fit.
int BuildExportText(const ArticleText& text, char16_t* buffer, size_t bufferBytes, DisplayMode mode);
