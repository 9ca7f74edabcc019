// The verse map: for every article, each verse's book, chapter and verse and
// where it lies in the article's decoded text; and the lookups made with it: a
// reference to the weekly portion that holds it, a byte of a text to its
// verse, and verses to their stored bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "store/compression.h"

// The map is the RCDATA resource 32766, a block in the articles' format, so
// that it is loaded as article 31766.
constexpr int kVerseMapResourceId = 32766;
constexpr int kVerseMapArticleNumber = kVerseMapResourceId - kArticleResourceBase;
// Articles 1..54 are the weekly portions, the only ones a reference leads to.
constexpr int kWeeklyPortionArticles = 54;
constexpr int kTorahBookCount = 5;

// The decoded map: the article count (57) and the verse count of each
// article, article 1 first, as little-endian 16-bit numbers; then, for the V
// verses of all articles in order, kVerseColumns columns of V bytes each:
// book, chapter, verse, first's low byte, first's high byte, last's low byte,
// last's high byte. Column by column, the block's compression finds the runs
// and repeats that verse by verse it would not.
constexpr size_t kVerseColumns = 7;

// One verse of an article, with positions in the article's decoded text. A
// right-to-left record is stored in visual order, so a verse's first byte read
// is its highest stored byte in the record where it begins, and its last byte
// read its lowest stored byte in the record where it ends. A verse that a
// paragraph mark cuts goes on from the top of the next record.
struct VerseEntry {
    uint8_t book = 0;  // 1..5, Genesis to Deuteronomy
    uint8_t chapter = 0;
    uint8_t verse = 0;
    uint16_t first = 0;  // the opening parenthesis of the verse's label (stored mirrored, as ")")
    uint16_t last = 0;   // the verse's last byte read, as a rule its sof pasuq
};

// The verses of every article, each article's in reading order.
struct VerseMap {
    std::array<std::vector<VerseEntry>, kArticleCount + 1> articles;  // by article number; [0] stays empty
};

struct VerseReference {
    int book = 0;  // 1..5
    int chapter = 0;
    int verse = 0;
};

// The bytes of the map, as the library builder stores them.
std::vector<uint8_t> WriteVerseMap(const VerseMap& map);

// Reads size bytes of a decoded map (bytes after the last verse, such as the
// decoder's zero and spare byte, are passed over). False, with the map left
// empty, when the counts run past size, the article count is not 57, or a
// verse has a book outside 1..5 or a chapter or verse of 0.
bool ReadVerseMap(const uint8_t* data, size_t size, VerseMap& map);

// Where a verse is found: the weekly portion (1..54) and the verse's index in
// its list; article 0 when no weekly portion holds the reference.
struct VersePlace {
    int article = 0;
    size_t index = 0;
};
VersePlace FindVerse(const VerseMap& map, const VerseReference& reference);

// The index in verses (an article's list) of the verse that holds the byte
// at position of text; -1 when no verse does: headings, the title, chapter
// marks, the space between two verses, the records' control bytes and zeros.
int VerseAt(const ArticleText& text, std::span<const VerseEntry> verses, size_t position);

// Stored bytes [start, end) of one record.
struct TextSpan {
    uint16_t start = 0;
    uint16_t end = 0;
};

// The stored bytes of verses first..last (indexes in verses), one span per
// record they touch, in reading order; the spaces between the verses of one
// record are inside its span. A single verse's first span holds its label.
// Empty when an index or a position does not fit the text.
std::vector<TextSpan> VerseSpans(const ArticleText& text, std::span<const VerseEntry> verses, size_t first,
                                 size_t last);
