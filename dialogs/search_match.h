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

// Searches the records of text in order, each from its end towards its start
// (reading order), beginning at start: records that end before start are
// skipped, the record holding start is scanned from start, later ones whole.
TextHit FindInText(const ArticleText& text, unsigned start, const uint8_t* pattern, size_t count);

// The length of a stored search text: up to its zero byte, at most max bytes.
size_t SearchTextLength(const char* searchText, size_t max);
