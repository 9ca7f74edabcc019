// The matcher of the library search. It works on the stored codes: each code
// is compared by its search class, and a right-to-left record is read from its
// highest byte down, so the pattern is walked from its last byte down as well.
#include "dialogs/search_match.h"

#include <array>

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

TextHit FindInText(const ArticleText& text, unsigned start, const uint8_t* pattern, size_t count) {
    size_t position = 0;
    while (position + 2 < text.size() && text[position] != 0) {
        const size_t first = position + 2;
        size_t zero = first;
        while (zero < text.size() && text[zero] != 0) ++zero;
        if (zero == text.size()) return {};
        if (start <= zero && zero > first) {
            const size_t scan = start >= first ? start : zero - 1;
            const PatternHit hit = MatchPattern(&text[first], pattern, count, &text[scan]);
            if (hit.found) return {static_cast<unsigned>(hit.at - text.data()), hit.length};
        }
        position = zero + 1;
    }
    return {};
}

size_t SearchTextLength(const char* searchText, size_t max) {
    size_t length = 0;
    while (length < max && searchText[length] != 0) ++length;
    return length;
}
