// The matcher of the library search. It works on the stored codes: each code
// is compared by its search class, and a right-to-left record is read from its
// highest byte down, so the pattern is walked from its last byte down as well.
#include "dialogs/search_match.h"

#include <algorithm>
#include <array>

#include "store/article_records.h"
#include "store/article_text.h"

namespace {

std::array<uint8_t, 256> MakeClassTable() {
    std::array<uint8_t, 256> table{};
    for (int code = 0x10; code <= 0x7B; ++code) {
        const Glyph glyph = GlyphForCode(static_cast<uint8_t>(code), kEightBitAsciiBase);
        table[code] = glyph.count == 0 ? 0 : static_cast<uint8_t>(glyph.first);
    }
    return table;
}

const std::array<uint8_t, 256> kClasses = MakeClassTable();

// Matches the rest of the pattern, bytes [pattern, end), after a lead byte
// at q. Returns the hit or, when a "*" decides the whole search, sets
// decided so that no lower start is tried.
PatternHit MatchAt(const uint8_t* lower, const uint8_t* pattern, const uint8_t* end, const uint8_t* q,
                   bool& decided) {
    const uint8_t* r = end;  // one past the next pattern byte to compare
    const uint8_t* s = q;    // one past the next text byte
    for (;;) {
        if (r == pattern) {
            while (s > lower && kClasses[s[-1]] == 0) --s;  // points of the last letter join the hit
            return {true, q, static_cast<int>(q - s) + 1};
        }
        if (s > lower && kClasses[s[-1]] == 0) {
            --s;
            continue;
        }
        const uint8_t p = kClasses[r[-1]];
        if (p == kWildRun) {
            // A star may match an empty run, so it is tried before the text's end.
            decided = true;
            if (r - 1 == pattern) return {true, q, static_cast<int>(q - s) + 1};
            const PatternHit rest = MatchPattern(lower, pattern, static_cast<size_t>(r - 1 - pattern), s - 1);
            if (!rest.found) return {};
            return {true, q, static_cast<int>(q - rest.at) + rest.length};
        }
        if (s == lower) return {};
        const uint8_t t = kClasses[s[-1]];
        if (p != kWildOne && p != t) return {};
        --r;
        --s;
    }
}

}  // namespace

uint8_t SearchClass(uint8_t code) { return kClasses[code]; }

PatternHit MatchPattern(const uint8_t* lower, const uint8_t* pattern, size_t count, const uint8_t* scanStart) {
    if (count == 0 || scanStart < lower) return {};
    const uint8_t lead = kClasses[pattern[count - 1]];
    if (lead == 0) return {};
    for (const uint8_t* q = scanStart;; --q) {
        if (kClasses[*q] == lead) {
            bool decided = false;
            const PatternHit hit = MatchAt(lower, pattern, pattern + count - 1, q, decided);
            if (hit.found || decided) return hit;
        }
        if (q == lower) return {};
    }
}

namespace {

// The place in a record where the bytes below limit (a position in the text)
// remain to be read; a limit outside every record's text lies past them all.
SearchPosition PositionBelow(const ArticleText& text, size_t limit) {
    ArticleRecord record;
    if (limit == 0 || !FindRecordHolding(text, limit - 1, record) || limit - 1 < record.textPos ||
        limit - 1 >= record.textPos + record.length) {
        return {RecordsEnd(text), 0};
    }
    return {record.start, limit - record.textPos};
}

}  // namespace

SearchPosition PositionAtByte(const ArticleText& text, size_t byte) { return PositionBelow(text, byte + 1); }

SearchPosition PositionAfterHit(const ArticleText& text, size_t lowest) {
    ArticleRecord record;
    if (!FindRecordHolding(text, lowest, record)) return {RecordsEnd(text), 0};
    if (lowest <= record.textPos) return {record.next, kWholeRecord};
    return PositionBelow(text, lowest);
}

TextHit FindInText(const ArticleText& text, SearchPosition from, const uint8_t* pattern, size_t count) {
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(text, pos, record); pos = record.next) {
        if (record.start < from.record || IsChapterMark(record.attr)) continue;
        const size_t remaining = record.start == from.record ? std::min(from.remaining, record.length) : record.length;
        if (remaining == 0) continue;
        const uint8_t* first = &text[record.textPos];
        const PatternHit hit = MatchPattern(first, pattern, count, first + remaining - 1);
        if (hit.found) return {static_cast<unsigned>(hit.at - text.data()), hit.length};
    }
    return {};
}

size_t SearchTextLength(const char* searchText, size_t max) {
    size_t length = 0;
    while (length < max && searchText[length] != 0) ++length;
    return length;
}
