// Helpers of the library tests: reading and decoding the built blocks, turning
// stored records back into reading-order Unicode, and an independent reading
// of the Codex to compare them with.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/library/library_tables.h"

using Bytes = std::vector<uint8_t>;

Bytes ReadFileBytes(const std::string& path);

// The decoded text of a whole block (header included), through UnCompress; the
// text excludes the decoder's zero byte and spare byte. Empty on failure.
Bytes DecodeBlock(const Bytes& block, int* error);

struct Record {
    uint8_t attr = 0;
    uint8_t layout = 0;
    Bytes text;
};

// The records before the end marker. *endOffset receives the end marker's
// offset, or text.size() when a record or the end marker is missing.
std::vector<Record> SplitRecords(const Bytes& text, size_t* endOffset);

// A stored right-to-left text back in reading order: converted with the Unicode
// glyph table and no Reverse option, then reversed with brackets exchanged.
std::u32string ReadingText(const Bytes& stored);

// Value of Hebrew letter numerals, or -1 when a character is not one.
int NumeralValue(std::u32string_view letters);

// A verse as the Codex has it, in the library's reading form: qere chosen,
// morpheme separators gone, words separated by spaces, maqaf "-", sof pasuq
// ":", paseq " |", a paragraph mark inside the verse as U+00B6; paragraphEnds
// when a paragraph mark ends the verse.
struct ReferenceVerse {
    std::string ref;
    int chapter = 0;
    int verse = 0;
    std::u32string text;
    bool paragraphEnds = false;
};
std::vector<ReferenceVerse> ReadReferenceBook(const std::string& path);

// Pointed text in one canonical form: presentation forms decomposed, the marks
// the library drops removed (cantillation, meteg, rafe, upper and lower dots,
// nun hafukha), holam haser for vav as holam, qamats qatan as qamats, dagesh
// removed from letters that have no dagesh form (counted in
// *unexpressedDagesh), and the marks of each letter sorted.
std::u32string NormalisePointed(std::u32string_view text, int* unexpressedDagesh);

// The data tables and the Codex, each book read with ReadReferenceBook; read
// once.
struct ReferenceLibrary {
    std::vector<BookEntry> books;
    std::vector<ArticleEntry> articles;
    std::map<std::string, std::vector<ReferenceVerse>> codex;  // by OSIS book name
};
const ReferenceLibrary& Reference();

// The verses of a range, in Codex order; a test failure when the range is not
// in the Codex.
std::vector<ReferenceVerse> RangeVerses(const VerseRange& range);

// The decoded text of a built article block, without the decoder's zero and
// spare byte.
Bytes DecodedArticle(int article);
