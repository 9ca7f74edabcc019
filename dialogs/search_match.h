// Matching a search text against article records on the stored codes: the
// search class of a code, the matcher with its wildcards, and the scan of a
// whole article in reading order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "store/compression.h"

// The value comparisons use: the code's letter in the 8-bit glyph table, so
// that dagesh and dots are ignored; 0 for codes the matcher skips (controls,
// vowel points, codes above 0x7B).
uint8_t SearchClass(uint8_t code);

constexpr uint8_t kWildOne = '?';
constexpr uint8_t kWildRun = '*';

// A hit of MatchPattern: position of its first byte in reading order (its
// highest storage position) and its length in bytes, reaching downwards.
struct PatternHit {
    bool found = false;
    const uint8_t* at = nullptr;
    int length = 0;
};

// Finds pattern (count bytes, storage order, so its last byte is read first)
// in the bytes from scanStart down to lower, trying each start from scanStart
// downwards. Never reads below lower nor above scanStart. The first character
// read matches only a byte of its own class, and a class-0 one nothing; later
// "?" matches one byte that is not skipped and "*" any run, also an empty one.
// Vowel points after the last matched letter join the hit.
PatternHit MatchPattern(const uint8_t* lower, const uint8_t* pattern, size_t count, const uint8_t* scanStart);

// A hit in an article text: offset of its first byte in reading order and
// its length; offset 0 means none.
struct TextHit {
    unsigned offset = 0;
    int length = 0;
};

// Where a search of an article goes on, in reading order: a record (the
// position of its attribute byte) and how many of its text bytes, counted
// from its lowest stored byte, are still to be read; the records after it are
// read whole. The default is the article's beginning.
constexpr size_t kWholeRecord = static_cast<size_t>(-1);
struct SearchPosition {
    size_t record = 0;
    size_t remaining = kWholeRecord;
};

// The place where a byte of the text is the next to be read; past the
// records when no record's text holds it.
SearchPosition PositionAtByte(const ArticleText& text, size_t byte);

// The place right after a hit whose lowest stored byte (its last in reading
// order) is lowest: the rest of its record, or the next record whole.
SearchPosition PositionAfterHit(const ArticleText& text, size_t lowest);

// Searches the records of text in reading order from a place: that record's
// remaining bytes, each scanned from its highest byte down, then every later
// record whole. The chapter marks ("פרק" and a number) are not the text and
// are passed over.
TextHit FindInText(const ArticleText& text, SearchPosition from, const uint8_t* pattern, size_t count);

// The length of a stored search text: up to its zero byte, at most max bytes.
size_t SearchTextLength(const char* searchText, size_t max);
