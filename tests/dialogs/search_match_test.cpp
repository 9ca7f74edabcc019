#include "dialogs/search_match.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/view/view_test_support.h"

namespace {

constexpr uint8_t kBody = 0xB1;

// A stored search text for a text given in reading order.
std::string Stored(std::string reading) { return std::string(reading.rbegin(), reading.rend()); }

struct Found {
    bool found;
    int at;      // reading position of the hit's first byte in its record
    int length;
};

// Searches one right-to-left record from its start in reading order.
Found Search(const std::string& reading, const std::string& pattern) {
    ArticleBuilder article;
    const size_t first = article.Add(kBody, 0, reading);
    const std::string stored = Stored(pattern);
    const TextHit hit = FindInText(article.Build(), {}, reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
    if (hit.offset == 0) return {false, 0, 0};
    return {true, static_cast<int>(first + reading.size() - 1 - hit.offset), hit.length};
}

}  // namespace

// Letters are the codes 0x61.. ("a" alef, "b" bet, "l" kaf, "k" final kaf),
// "E" bet with dagesh, 0x16 and 0x17 vowel points.
TEST(SearchMatch, LettersPointsAndWildcards) {
    const struct { const char* text; const char* pattern; Found want; } cases[] = {
        {"xkx", "l", {false, 0, 0}},         // kaf does not find final kaf
        {"xlx", "k", {false, 0, 0}},         // nor the reverse
        {"x\x10x", "k", {true, 1, 1}},      // final kaf with a point is final kaf
        {"aEc", "abc", {true, 0, 3}},        // a letter with dagesh by its plain letter
        {"abc", "aEc", {true, 0, 3}},
        {"a\x16" "bc", "ab", {true, 0, 3}},  // a point between two letters
        {"xab\x16\x17" "c", "ab", {true, 1, 4}},  // the hit ends after the last letter's points
        {"abc", "a?c", {true, 0, 3}},
        {"ac", "a?c", {false, 0, 0}},
        {"ab", "?b", {false, 0, 0}},         // a first "?" matches only itself
        {"x?b", "?b", {true, 1, 2}},
        {"ab", "*b", {false, 0, 0}},         // a first "*" likewise
        {"*b", "*b", {true, 0, 2}},
        {"xabbbc", "a*c", {true, 1, 5}},
        {"ac", "a*c", {true, 0, 2}},         // "*" matches an empty run
        {"xab", "ab*", {true, 1, 2}},        // a last "*" at the record's end
        {"ab cd", "b*d", {true, 1, 4}},
        {"abcabxd", "ab?d", {true, 3, 4}},    // a failed start does not hide a later one
        {"\x16" "a", "\x16", {false, 0, 0}}, // a first character of class 0 finds nothing
        {"\x16" "a", "\xD0", {false, 0, 0}},
        {"ab", "a\xD0", {false, 0, 0}},      // a later one of class 0 matches nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + c.pattern);
        const Found got = Search(c.text, c.pattern);
        EXPECT_EQ(got.found, c.want.found);
        EXPECT_EQ(got.at, c.want.at);
        EXPECT_EQ(got.length, c.want.length);
    }
}

TEST(SearchMatch, NoHitAcrossRecordsAndRecordsInOrderFromStart) {
    ArticleBuilder article;
    article.Add(kBody, 0, "ab");
    const size_t second = article.Add(kBody, 0, "cdab");
    const ArticleText text = article.Build();
    const std::string across = Stored("bc");
    EXPECT_EQ(FindInText(text, {}, reinterpret_cast<const uint8_t*>(across.data()), 2).offset, 0u);
    const std::string ab = Stored("ab");
    const auto* pattern = reinterpret_cast<const uint8_t*>(ab.data());
    EXPECT_EQ(FindInText(text, {}, pattern, 2).offset, 3u);  // the first record's "a"
    // A start inside the second record skips the first and scans from there.
    EXPECT_EQ(FindInText(text, PositionAtByte(text, second + 3), pattern, 2).offset, second + 1);
    EXPECT_EQ(FindInText(text, PositionAtByte(text, second), pattern, 2).offset, 0u);
}

// The search reads the text, not the marks of its chapters: "prq" ("פרק")
// is found in a verse, never in the mark before it, with or without a gap.
TEST(SearchMatch, ChapterMarksAreNotSearched) {
    ArticleBuilder article;
    article.Add(kAttrChapterMark, 0, "prq mb");
    article.Add(kAttrChapterMark | kAttrParagraphGap, 0, "prq mg");
    const size_t verse = article.Add(kBody, 0, "ab prq");
    const std::string prq = Stored("prq");
    EXPECT_EQ(FindInText(article.Build(), {}, reinterpret_cast<const uint8_t*>(prq.data()), 3).offset, verse + 2);
}

// Stored texts of any bytes never read outside the record, nor run away.
TEST(SearchMatch, ExtremePatternsStayInsideTheRecord) {
    const std::string patterns[] = {std::string(33, '*'), std::string(33, '?'), "*", "a" + std::string(32, '*'),
                                    std::string(32, '*') + "a", std::string(32, '?') + "a", "\xFF\x80\x7C"};
    const std::string texts[] = {"a", std::string(40, 'a'), std::string(40, '*'), std::string(40, '?'), "\x15"};
    for (const std::string& pattern : patterns) {
        for (const std::string& text : texts) {
            SCOPED_TRACE(pattern + " in " + text);
            // The record's bytes alone, so that the sanitizer sees any read beyond them.
            const std::vector<uint8_t> bytes(text.begin(), text.end());
            const auto* p = reinterpret_cast<const uint8_t*>(pattern.data());
            const PatternHit hit = MatchPattern(bytes.data(), p, pattern.size(), bytes.data() + bytes.size() - 1);
            if (hit.found) {
                EXPECT_GE(hit.at - hit.length + 1, bytes.data());
                EXPECT_LE(hit.at, bytes.data() + bytes.size() - 1);
            }
        }
    }
    const std::vector<uint8_t> stars(60000, '*');
    const std::string pattern(33, '*');
    EXPECT_TRUE(MatchPattern(stars.data(), reinterpret_cast<const uint8_t*>(pattern.data()), 33, &stars.back()).found);
}
