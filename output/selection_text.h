// Selected verses as copying and printing give them: their reference named
// after the aliyah they are exactly, and their text as an article of its own
// for the printer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "store/aliyah_table.h"
#include "store/article_index.h"
#include "store/mark_layer.h"
#include "store/verse_map.h"

// The reference of an article's verses first..last (FormatVerseReference),
// after the name of the division they are exactly (DivisionSelected,
// DivisionHebrewName): "שלישי, Genesis 41:39–52 / בראשית מא לט–נב".
std::u16string NamedVerseReference(const AliyahTable& table, const VerseMap& map, const ArticleNames& names,
                                   int article, size_t first, size_t last);

// What a printed selection's header says: the division's name and the
// Hebrew reference, "שלישי, בראשית מא לט-נב", in article codes (a hyphen for
// the dash) stored in visual order, as a row's bytes are.
std::vector<uint8_t> SelectionHeaderCodes(const AliyahTable& table, const VerseMap& map, const ArticleNames& names,
                                          int article, size_t first, size_t last);

// The selected bytes (one span per record, VerseSpans) as an article text of
// their own: a record for each span with the attribute and layout byte of
// the record it lies in, the end marker and the decoder's zero and spare
// byte; and the marks of their letters moved with them. An empty text when a
// span does not lie inside one record.
struct SelectionText {
    ArticleText text;
    MarkLayer marks;
};
SelectionText SelectedText(const ArticleText& text, std::span<const TextSpan> spans, const MarkLayer& marks);
