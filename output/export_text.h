// The export text: the whole article as UTF-16 lines, the one form from which
// both clipboard formats are made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/compression.h"
#include "store/display_order.h"
#include "store/hebrew_marks.h"
#include "store/mark_layer.h"
#include "store/verse_map.h"

// FontAsciiBase values above this go out as Rich Text, the others as Unicode text.
constexpr int kRichTextAsciiBase = 256;

inline bool ExportsRichText(int fontAsciiBase) { return fontAsciiBase > kRichTextAsciiBase; }

// What of the pointed text an export carries with a Unicode font: the level
// shown, and at the cantillation level the marks layer of the text (none: no
// layer marks). With an 8-bit font the export is the same at every level.
struct ExportMarks {
    TextLevel level = TextLevel::kVowels;
    const MarkLayer* layer = nullptr;
};

// Size of the export text in code units, its zero unit not counted:
// T + T / 2 + 2R + D + E, with T the bytes before the end marker, R the records
// plus the records with a paragraph gap, D the hyphens of the rules and E the
// edge offsets of the text records; at the cantillation level T + T / 2 more
// (a letter code gives up to three characters there) and one for each layer
// mark. The buffer takes 2 * size + 2 bytes.
size_t ExportTextSize(const ArticleText& text, ExportMarks marks = {});

// Writes one line per record, each ended by CR LF (a paragraph gap adds a
// second CR LF): a rule record as its hyphens, a text record as its display
// characters in export order (right-to-left records in reading order with a
// Unicode font; with an 8-bit font as the view shows them) followed by its
// edge offset in spaces; then one zero unit. With a Unicode font the letters
// alone at the letters-only level, and every mark in the Codex's order at the
// cantillation level (AppendTextAtLevel). Never writes past bufferBytes: 0 on
// success, kExportDoesNotFit when the text did not fit, kExportNoMemory when
// a record could not be converted for lack of memory.
constexpr int kExportDoesNotFit = 1;
constexpr int kExportNoMemory = 2;
int BuildExportText(const ArticleText& text, char16_t* buffer, size_t bufferBytes, DisplayFont font,
                    ExportMarks marks = {});

// The export text of selected verses: one line per span (the stored bytes of
// one record, as VerseSpans gives them), its display characters in the order
// BuildExportText gives its record; each line ended by CR LF, a second one
// where the span's record has a paragraph gap and after the last span; then
// the reference and CR LF; at the level marks gives. Empty when a span does
// not lie inside one record or memory for a conversion runs out.
std::u16string BuildVersesExportText(const ArticleText& text, std::span<const TextSpan> spans, DisplayFont font,
                                     std::u16string_view reference, ExportMarks marks = {});
