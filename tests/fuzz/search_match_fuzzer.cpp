// Fuzzes the search's matcher with random patterns (with "?" and "*") over
// random text. Input: the pattern's length (up to the 33 bytes of a stored
// search text), a byte that picks a scan start, the pattern, then the text.
// The text is searched twice: as one record's bytes with MatchPattern from the
// picked start, and as an article with FindInText, hit after hit as "Search
// Again" goes on. Every hit lies inside the scanned bytes (inside one record's
// text, at or after the place the search went on from), has a positive length,
// begins with a byte of the pattern's first class, takes in the ignored bytes
// below its last letter, and really spells the pattern. The hits of an article
// come in reading order and the walk ends. PositionAtByte names the byte.
#include <algorithm>
#include <vector>

#include "dialogs/search_match.h"
#include "store/article_records.h"
#include "tests/fuzz/require.h"

namespace {

// Whether the classes of the bytes [low, high] that the matcher does not
// ignore, read from high down, spell the pattern read from its last byte
// down: "?" one byte, "*" any run, every other character its own class. The
// first character, and one right after a "*" that acts as a wildcard, start a
// search of their own and stand only for themselves. A class 0 matches nothing.
bool Spells(const uint8_t* low, const uint8_t* high, const uint8_t* pattern, size_t count) {
    std::vector<uint8_t> text;
    for (const uint8_t* p = high; p >= low; --p) {
        if (SearchClass(*p) != 0) text.push_back(SearchClass(*p));
        if (p == low) break;
    }
    std::vector<uint8_t> wanted(count);
    std::vector<bool> literal(count);
    for (size_t j = 0; j < count; ++j) {
        wanted[j] = SearchClass(pattern[count - 1 - j]);
        literal[j] = j == 0 || (wanted[j - 1] == kWildRun && !literal[j - 1]);
    }
    // spells[j][i]: wanted[j..] spells text[i..]; filled from the ends.
    const size_t n = text.size();
    std::vector<std::vector<bool>> spells(count + 1, std::vector<bool>(n + 1));
    spells[count][n] = true;
    for (size_t j = count; j-- > 0;) {
        const bool wildRun = wanted[j] == kWildRun && !literal[j];
        const bool wildOne = wanted[j] == kWildOne && !literal[j];
        for (size_t i = n + 1; i-- > 0;) {
            if (wildRun) {
                spells[j][i] = spells[j + 1][i] || (i < n && spells[j][i + 1]);
            } else {
                spells[j][i] = i < n && wanted[j] != 0 && (wildOne || text[i] == wanted[j]) && spells[j + 1][i + 1];
            }
        }
    }
    return spells[0][0];
}

// A hit at [at - length + 1, at] of the bytes [lower, scanStart].
void CheckHit(const uint8_t* lower, const uint8_t* scanStart, const uint8_t* at, int length, const uint8_t* pattern,
              size_t count) {
    Require(length > 0, "a hit has a positive length");
    Require(at <= scanStart && at - lower >= length - 1, "a hit lies inside the scanned bytes");
    const uint8_t* low = at - (length - 1);
    Require(SearchClass(*at) == SearchClass(pattern[count - 1]), "a hit begins with the first character");
    Require(low == lower || SearchClass(low[-1]) != 0, "the ignored bytes below the last letter join the hit");
    Require(Spells(low, at, pattern, count), "a hit spells the pattern");
}

void CheckRecordMatch(const std::vector<uint8_t>& record, size_t startPick, const uint8_t* pattern, size_t count) {
    if (record.empty()) return;
    const uint8_t* lower = record.data();
    const uint8_t* scanStart = lower + startPick % record.size();
    const PatternHit hit = MatchPattern(lower, pattern, count, scanStart);
    if (hit.found) CheckHit(lower, scanStart, hit.at, hit.length, pattern, count);
}

// The place is a record's byte and the byte is the next one read from it, or
// the place lies past the records.
void CheckPositionAtByte(const ArticleText& text, size_t byte) {
    const SearchPosition at = PositionAtByte(text, byte);
    ArticleRecord record;
    if (!ReadRecord(text, at.record, record) || at.record >= RecordsEnd(text)) {
        Require(at.record == RecordsEnd(text) && at.remaining == 0, "a place past the records");
        return;
    }
    Require(record.start == at.record, "a place is a record's start");
    Require(at.remaining >= 1 && at.remaining <= record.length, "a place holds bytes of its record");
    Require(record.textPos + at.remaining - 1 == byte, "the byte is the next one read");
}

// "Search Again" from the beginning: each hit comes after the place the
// search went on from, and every search moves on.
void CheckSearchWalk(const ArticleText& text, const uint8_t* pattern, size_t count) {
    SearchPosition from;
    for (size_t hits = 0;; ++hits) {
        Require(hits <= text.size(), "the hits of an article come to an end");
        const TextHit hit = FindInText(text, from, pattern, count);
        if (hit.offset == 0) return;
        ArticleRecord record;
        Require(FindRecordHolding(text, hit.offset, record), "a hit lies in a record");
        const size_t remaining = record.start == from.record ? std::min(from.remaining, record.length) : record.length;
        Require(record.start >= from.record, "a hit lies at or after the place the search went on from");
        const uint8_t* first = text.data() + record.textPos;
        CheckHit(first, first + remaining - 1, text.data() + hit.offset, hit.length, pattern, count);
        from = PositionAfterHit(text, hit.offset - (hit.length - 1));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t count = std::min<size_t>(data[0] % 34, size - 2);
    const size_t startPick = data[1];
    // The pattern and the text each alone in their block, so that the
    // sanitizer sees any read beyond them.
    const std::vector<uint8_t> pattern(data + 2, data + 2 + count);
    const ArticleText text(data + 2 + count, data + size);
    CheckRecordMatch(text, startPick * 17, pattern.data(), count);
    if (count == 0) return 0;
    CheckSearchWalk(text, pattern.data(), count);
    if (!text.empty()) CheckPositionAtByte(text, startPick * 17 % text.size());
    return 0;
}
